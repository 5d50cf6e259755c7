#include "settings_store.h"

#include <QDir>
#include <QFileInfo>

namespace {

QString configHome()
{
    const QString xdg = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (!xdg.isEmpty())
        return xdg;
    return QDir::homePath() + QStringLiteral("/.config");
}

}  // namespace

QString SettingNames::comDevice(int n)
{
    return QStringLiteral("Com%1Device").arg(n);
}

SettingsStore::SettingsStore() : settings_(filePath(), QSettings::IniFormat)
{
    QDir().mkpath(QFileInfo(filePath()).absolutePath());
}

QString SettingsStore::filePath()
{
    return configHome() + QStringLiteral("/qrn/Velmora/1.5.ini");
}

std::optional<QString> SettingsStore::storedKey(const QString &name) const
{
    const QStringList keys = settings_.allKeys();
    for (const QString &key : keys) {
        if (key.compare(name, Qt::CaseInsensitive) == 0)
            return key;
    }
    return std::nullopt;
}

bool SettingsStore::contains(const QString &name) const
{
    return storedKey(name).has_value();
}

std::optional<QString> SettingsStore::readString(const QString &name) const
{
    const auto key = storedKey(name);
    if (!key)
        return std::nullopt;
    return settings_.value(*key).toString();
}

std::optional<int> SettingsStore::readInteger(const QString &name) const
{
    const auto text = readString(name);
    if (!text)
        return std::nullopt;
    bool ok = false;
    const int value = text->trimmed().toInt(&ok);
    if (!ok)
        return std::nullopt;
    return value;
}

void SettingsStore::removeOtherSpellings(const QString &name)
{
    const QStringList keys = settings_.allKeys();
    for (const QString &key : keys) {
        if (key != name && key.compare(name, Qt::CaseInsensitive) == 0)
            settings_.remove(key);
    }
}

void SettingsStore::writeString(const QString &name, const QString &value)
{
    removeOtherSpellings(name);
    settings_.setValue(name, value);
}

void SettingsStore::writeInteger(const QString &name, int value)
{
    removeOtherSpellings(name);
    settings_.setValue(name, value);
}

void SettingsStore::close()
{
    settings_.sync();
}
