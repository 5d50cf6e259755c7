#pragma once
// One run of the main window for a test: its own settings folder, answered
// dialogs and a recording double of the 3-D library.

#include "main_window.h"
#include "recording_d3d.h"
#include "sample_scan.h"
#include "scripted_dialogs.h"
#include "system_power.h"
#include "test_environment.h"

#include <QAction>
#include <QFile>

#include <memory>

// Answers for the system when the program asks it to power off: no test ever
// powers anything off.
struct RecordingPower : SystemPower {
    bool powerOff() override
    {
        ++requests;
        return !refuses;
    }
    int requests = 0;
    bool refuses = false;
};

// The menu item of one of the window's commands, found by the command's id.
inline QAction *menuItem(TForm1 &window, const char *id)
{
    return window.findChild<QAction *>(QString::fromUtf8(id), Qt::FindDirectChildrenOnly);
}

struct MainWindowRun {
    TestEnvironment environment;
    ScriptedDialogs dialogs;
    RecordingPower power;
    ScopedSystemPower powerScope{power};
    RecordingD3d d3d;
    ApplicationWindows windows;
    std::unique_ptr<TForm1> window;

    TForm1 &start(const QStringList &arguments = {QStringLiteral("velmora")})
    {
        window = std::make_unique<TForm1>(windows, d3d.functions(), arguments);
        return *window;
    }

    // Writes a file into the test's folder and returns its path.
    QString writeFile(const QString &name, const QByteArray &bytes)
    {
        QFile file(environment.path(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            return {};
        return file.fileName();
    }
};
