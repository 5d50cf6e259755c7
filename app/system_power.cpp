#include "system_power.h"

#include <QDBusConnection>
#include <QDBusInterface>
#include <QDBusReply>
#include <QProcess>

namespace {

// systemd-logind's PowerOff, or systemctl when the bus does not answer.
class LogindPower : public SystemPower {
public:
    bool powerOff() override
    {
        QDBusInterface manager(QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
                               QStringLiteral("org.freedesktop.login1.Manager"), QDBusConnection::systemBus());
        if (manager.isValid()) {
            const QDBusReply<void> reply = manager.call(QStringLiteral("PowerOff"), false);
            if (reply.isValid())
                return true;
        }
        return QProcess::execute(QStringLiteral("systemctl"), {QStringLiteral("poweroff")}) == 0;
    }
};

SystemPower *&currentPower()
{
    static LogindPower logind;
    static SystemPower *current = &logind;
    return current;
}

}  // namespace

SystemPower &systemPower()
{
    return *currentPower();
}

ScopedSystemPower::ScopedSystemPower(SystemPower &power) : previous_(currentPower())
{
    currentPower() = &power;
}

ScopedSystemPower::~ScopedSystemPower()
{
    currentPower() = previous_;
}
