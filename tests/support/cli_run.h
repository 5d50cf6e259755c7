#pragma once
// Runs velmora-cli for a test, with a temporary folder for its files.

#include "sample_scan.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <functional>

struct CliOutcome {
    int status;
    QString out;
    QString err;
};

constexpr int kCliCrashed = -1;  // the status of a tool that aborted or was killed

// prepare, when given, runs in the child before the tool starts.
inline CliOutcome runCli(const QStringList &arguments, const std::function<void()> &prepare = {})
{
    QProcess process;
    if (prepare)
        process.setChildProcessModifier(prepare);
    process.start(qEnvironmentVariable("VELMORA_CLI"), arguments);
    process.waitForFinished(60000);
    const int status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : kCliCrashed;
    return {status, QString::fromLocal8Bit(process.readAllStandardOutput()),
            QString::fromLocal8Bit(process.readAllStandardError())};
}

// The exit status alone, with standard error handed back when asked for.
inline int runCliStatus(const QStringList &arguments, QString *err = nullptr)
{
    const CliOutcome outcome = runCli(arguments);
    if (err)
        *err = outcome.err;
    return outcome.status;
}

class CliFolder {
public:
    QString path(const QString &name) const { return folder_.filePath(name); }

    QString write(const QString &name, const QByteArray &bytes) const
    {
        QFile file(path(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            return {};
        return file.fileName();
    }

    QByteArray read(const QString &name) const
    {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private:
    QTemporaryDir folder_;
};

