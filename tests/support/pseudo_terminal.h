#pragma once
// A pseudo-terminal pair: the slave's path stands in for a serial device.

#include <QString>

#include <pty.h>
#include <unistd.h>

class PseudoTerminal {
public:
    PseudoTerminal()
    {
        char name[256] = {};
        if (openpty(&master_, &slave_, name, nullptr, nullptr) == 0)
            path_ = QString::fromLocal8Bit(name);
    }
    ~PseudoTerminal()
    {
        if (master_ >= 0)
            ::close(master_);
        if (slave_ >= 0)
            ::close(slave_);
    }
    PseudoTerminal(const PseudoTerminal &) = delete;
    PseudoTerminal &operator=(const PseudoTerminal &) = delete;

    bool isOpen() const { return !path_.isEmpty(); }
    QString devicePath() const { return path_; }
    int masterDescriptor() const { return master_; }

private:
    int master_ = -1;
    int slave_ = -1;
    QString path_;
};
