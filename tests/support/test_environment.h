#pragma once
// A private settings folder, data folder and serial devices for one test:
// XDG_CONFIG_HOME and XDG_DATA_HOME point into a temporary folder, and COM1..COM4 stand for devices that do
// not exist unless the test says otherwise.

#include "settings_store.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QVariant>

class TestEnvironment {
public:
    TestEnvironment()
    {
        qputenv("XDG_CONFIG_HOME", folder.path().toLocal8Bit());
        qputenv("XDG_DATA_HOME", path(QStringLiteral("data")).toLocal8Bit());
        for (int n = 1; n <= 4; ++n)
            setComDevice(n, folder.filePath(QStringLiteral("no-such-tty%1").arg(n)));
    }

    void setComDevice(int n, const QString &path)
    {
        qputenv(QStringLiteral("VELMORA_COM%1").arg(n).toLatin1().constData(), path.toLocal8Bit());
    }

    // Writes a value into the store as another run of the program would have;
    // an invalid value removes it.
    void store(const QString &name, const QVariant &value)
    {
        QSettings settings(SettingsStore::filePath(), QSettings::IniFormat);
        if (value.isValid())
            settings.setValue(name, value);
        else
            settings.remove(name);
    }

    // A complete store, as a previous run leaves it at close.
    void storeComplete()
    {
        store(QStringLiteral("FileName"), QStringLiteral("unnamed.vlm"));
        store(QStringLiteral("Bright"), 100);
        store(QStringLiteral("Level"), 50);
        store(QStringLiteral("Light"), 1);
        store(QStringLiteral("Mode"), 1);
        store(QStringLiteral("Port"), 0);
        store(QStringLiteral("Line"), 1);
        store(QStringLiteral("Solid"), 1);
        store(QStringLiteral("Zone"), 1);
    }

    QVariant stored(const QString &name) const
    {
        QSettings settings(SettingsStore::filePath(), QSettings::IniFormat);
        return settings.value(name);
    }

    QString path(const QString &name) const { return folder.filePath(name); }

    QTemporaryDir folder;
};
