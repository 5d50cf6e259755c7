#pragma once
// The instrument simulator on a pseudo-terminal of its own, for a test.

#include <QProcess>
#include <QStringList>

class InstrumentSimulatorRun {
public:
    // Starts playing the scan file; the device path is known once it has started.
    explicit InstrumentSimulatorRun(const QString &scanFile, const QStringList &options = {})
    {
        process_.start(qEnvironmentVariable("VELMORA_SIMULATOR"),
                       QStringList{scanFile, QStringLiteral("--pty"), QStringLiteral("--baud"), QStringLiteral("4000000"),
                                   QStringLiteral("--linger-ms"), QStringLiteral("20000")}
                           + options);
        if (process_.waitForReadyRead(5000))
            devicePath_ = QString::fromLocal8Bit(process_.readLine()).trimmed();
    }
    ~InstrumentSimulatorRun()
    {
        process_.kill();
        process_.waitForFinished();
    }

    QString devicePath() const { return devicePath_; }

private:
    QProcess process_;
    QString devicePath_;
};
