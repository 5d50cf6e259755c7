#include "settings_store.h"

#include "program_version.h"
#include "scan_file_open.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <sys/stat.h>

namespace {

constexpr qint64 kLargestSettingsFile = 1024 * 1024;

QString configHome()
{
    const QString xdg = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (!xdg.isEmpty())
        return xdg;
    return QDir::homePath() + QStringLiteral("/.config");
}

// Why the settings file cannot be read: a FIFO would hold the start for ever,
// and a huge file the start and every write. nullopt when it can be read or
// is not there yet.
std::optional<QString> unreadableReason(const QString &path)
{
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        return std::nullopt;
    if (!S_ISREG(status.st_mode))
        return notRegularFileReason(status.st_mode);
    if (status.st_size > kLargestSettingsFile)
        return QStringLiteral("it holds %1 bytes, more than the %2 bytes (1 MB) a settings file may have")
            .arg(status.st_size)
            .arg(kLargestSettingsFile);
    return std::nullopt;
}

struct StoreChoice {
    QString settingsFile;
    std::optional<QString> problem;
    QString storeFile;
};

// The file that holds this run's settings: the settings file, or, when it
// cannot be read, a file of this run alone that starts empty. The program
// then starts with the defaults, and the settings file is left as it is.
// Looked at once for each settings file, so that every store of the run
// agrees.
const StoreChoice &storeChoice()
{
    static StoreChoice choice;
    static QTemporaryDir runOnly;
    const QString path = SettingsStore::filePath();
    if (choice.settingsFile != path || choice.storeFile.isEmpty()) {
        choice.settingsFile = path;
        choice.problem = unreadableReason(path);
        choice.storeFile = choice.problem ? runOnly.filePath(QStringLiteral("settings.ini")) : path;
        if (choice.problem)
            QFile::remove(choice.storeFile);
    }
    return choice;
}

}  // namespace

QString SettingNames::recordField(const char *key)
{
    return QStringLiteral("Record_%1").arg(QLatin1String(key));
}

QString SettingNames::comDevice(int n)
{
    return QStringLiteral("Com%1Device").arg(n);
}

QString SettingNames::recentScan(int n)
{
    return QStringLiteral("RecentScan%1").arg(n);
}

SettingsStore::SettingsStore() : settings_(storeChoice().storeFile, QSettings::IniFormat)
{
    QDir().mkpath(QFileInfo(filePath()).absolutePath());
}

QString SettingsStore::filePath()
{
    return configHome() + QStringLiteral("/qrn/Velmora/%1.ini").arg(QLatin1String(kProgramVersion));
}

std::optional<QString> SettingsStore::fileProblem()
{
    return storeChoice().problem;
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
