#include "cli_run.h"
#include "instrument_simulator_run.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>

namespace {

// velmora-cli receive running while the test acts on the files, with a data
// folder of its own for the recovery files.
struct ReceiveInBackground {
    QProcess process;
    QByteArray err;
    QString data;

    ReceiveInBackground(const QString &dataFolder, const QStringList &arguments) : data(dataFolder)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_DATA_HOME", data);
        process.setProcessEnvironment(environment);
        process.start(qEnvironmentVariable("VELMORA_CLI"), arguments);
    }

    bool waitForProgress()
    {
        return QTest::qWaitFor([&] {
            process.waitForReadyRead(50);
            err += process.readAllStandardError();
            return err.contains("Receive : ");
        }, 10000);
    }

    bool waitForFinished()
    {
        const bool finished = process.waitForFinished(20000);
        err += process.readAllStandardError();
        return finished;
    }

    // The recovery files, with their folder.
    QStringList recovered() const
    {
        const QDir folder(data + "/qrn/Velmora/recovered");
        QStringList paths;
        for (const QString &name : folder.entryList(QDir::Files))
            paths << folder.filePath(name);
        return paths;
    }
};

}  // namespace

class CliReceiveTest : public QObject {
    Q_OBJECT

private:
    CliFolder folder_;

private slots:
    void receivesIntoAFile()
    {
        const InstrumentSimulatorRun simulator(folder_.write("sent.vlm", bundledSample()));
        const CliOutcome outcome =
            runCli({"receive", "--device", simulator.devicePath(), "--output", folder_.path("got.vlm")});
        QCOMPARE(outcome.status, 0);
        QVERIFY(outcome.err.contains("Receive : "));
        const QByteArray received = folder_.read("got.vlm");
        QCOMPARE(received.size(), 131088);
        QCOMPARE(received.mid(16 + 5120), bundledSample().mid(16 + 5120));
    }

    void aChecksumFailureKeepsTheOldFile()
    {
        const InstrumentSimulatorRun simulator(folder_.write("sent.vlm", bundledSample()),
                                               {QStringLiteral("--corrupt-block"), QStringLiteral("2")});
        const QString target = folder_.write("old.vlm", "old");
        const CliOutcome outcome =
            runCli({"receive", "--device", simulator.devicePath(), "--output", target, "--force"});
        QCOMPARE(outcome.status, 1);
        QVERIFY(outcome.err.contains("CRC error ! Repeat transmission."));
        QCOMPARE(folder_.read("old.vlm"), QByteArray("old"));
    }

    void refusals()
    {
        const QString target = folder_.write("exists.vlm", "old");
        CliOutcome outcome = runCli({"receive", "--device", folder_.path("no-tty"), "--output", target});
        QCOMPARE(outcome.status, 1);
        QVERIFY(outcome.err.contains("File exist ! Overwrite ?"));
        outcome = runCli({"receive", "--device", folder_.path("no-tty"), "--output", folder_.path("new.vlm")});
        QCOMPARE(outcome.status, 1);
        QVERIFY2(outcome.err.contains(QStringLiteral("cannot open %1").arg(folder_.path("no-tty"))), qPrintable(outcome.err));
        QVERIFY(!QFile::exists(folder_.path("new.vlm")));
        QCOMPARE(runCli({"receive", "--output", folder_.path("x.vlm")}).status, 2);
    }

    // Every option is checked before the port is opened: the device named
    // does not exist, so a run that got as far as the port would say "cannot open".
    void badOptionsAreRefusedBeforeThePortIsOpened_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("reason");
        QTest::newRow("unknown option") << QStringList{"--timout", "30"} << "unknown option --timout";
        QTest::newRow("repeated value") << QStringList{"--timeout", "5", "--timeout", "30"}
                                        << "--timeout is given more than once";
        QTest::newRow("repeated flag") << QStringList{"--force", "--force"} << "--force is given more than once";
        QTest::newRow("stray word") << QStringList{"now"} << "unexpected argument \"now\"";
        QTest::newRow("output a folder") << QStringList{"--output", "FOLDER"} << "--output FOLDER is a folder";
        QTest::newRow("output a folder, forced")
            << QStringList{"--output", "FOLDER", "--force"} << "--output FOLDER is a folder";
    }
    void badOptionsAreRefusedBeforeThePortIsOpened()
    {
        QFETCH(QStringList, options);
        QFETCH(QString, reason);
        QDir().mkpath(folder_.path("folder"));
        options.replaceInStrings("FOLDER", folder_.path("folder"));
        reason.replace("FOLDER", folder_.path("folder"));
        QStringList arguments{"receive", "--device", folder_.path("no-tty")};
        if (!options.contains("--output"))
            arguments << "--output" << folder_.path("new.vlm");
        const CliOutcome outcome = runCli(arguments + options);
        QCOMPARE(outcome.status, 2);
        QVERIFY2(outcome.err.contains(reason), qPrintable(outcome.err));
        QVERIFY(!outcome.err.contains("cannot open"));
        QVERIFY(QFileInfo(folder_.path("folder")).isDir());
    }

    // The scan with a damaged later block is kept, and both standard error
    // and the exit status say it may be damaged.
    void wrongLaterChecksumsKeepTheScanAndAreTold()
    {
        const InstrumentSimulatorRun simulator(folder_.write("sent.vlm", bundledSample()),
                                               {QStringLiteral("--corrupt-block"), QStringLiteral("300,100")});
        const CliOutcome outcome =
            runCli({"receive", "--device", simulator.devicePath(), "--output", folder_.path("damaged.vlm")});
        QCOMPARE(outcome.status, 1);
        QVERIFY2(outcome.err.contains("Checksum wrong in 2 of the later blocks (first: block 100): "
                                      "the scan may be damaged."),
                 qPrintable(outcome.err));
        QCOMPARE(folder_.read("damaged.vlm").size(), 131088);
    }

    void onlyZerosAreRefusedAndTheOldFileKept()
    {
        QByteArray zeros(131088, '\0');
        zeros.replace(0, 7, "VLMv1.0");
        const InstrumentSimulatorRun simulator(folder_.write("zeros.vlm", zeros));
        const QString target = folder_.write("kept.vlm", "old");
        const CliOutcome outcome =
            runCli({"receive", "--device", simulator.devicePath(), "--output", target, "--force"});
        QCOMPARE(outcome.status, 1);
        QVERIFY2(outcome.err.contains("Only zeros arrived: check the cable and that the instrument is sending."),
                 qPrintable(outcome.err));
        QCOMPARE(folder_.read("kept.vlm"), QByteArray("old"));
    }

    void anUnwritableTargetFolderIsReportedBeforeTheTransfer()
    {
        const QString target = folder_.path("absent/got.vlm");
        const CliOutcome outcome = runCli({"receive", "--device", folder_.path("no-tty"), "--output", target});
        QCOMPARE(outcome.status, 1);
        // the port is never tried: the folder is checked first
        QVERIFY2(outcome.err.contains(QStringLiteral("cannot save %1: ").arg(target)), qPrintable(outcome.err));
        QVERIFY(!outcome.err.contains("cannot open"));
    }

    void aScanThatCannotBeSavedIsKeptForRecovery()
    {
        const InstrumentSimulatorRun simulator(folder_.write("sent.vlm", bundledSample()),
                                               {QStringLiteral("--baud"), QStringLiteral("1000000")});
        const QString incoming = folder_.path("incoming");
        QVERIFY(QDir().mkdir(incoming));
        const QString data = folder_.path("data");
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("XDG_DATA_HOME", data);
        process.setProcessEnvironment(environment);
        process.start(qEnvironmentVariable("VELMORA_CLI"),
                      {"receive", "--device", simulator.devicePath(), "--output", incoming + "/got.vlm"});
        QByteArray err;
        QVERIFY(QTest::qWaitFor([&] {
            process.waitForReadyRead(50);
            err += process.readAllStandardError();
            return err.contains("Receive : ");
        }, 10000));
        QDir(incoming).removeRecursively();  // the folder goes during the transfer
        QVERIFY(process.waitForFinished(20000));
        err += process.readAllStandardError();
        QCOMPARE(process.exitCode(), 1);
        const QString recovered = data + "/qrn/Velmora/recovered";
        const QStringList kept = QDir(recovered).entryList(QDir::Files);
        QCOMPARE(kept.size(), 1);
        QVERIFY2(err.contains(QStringLiteral("The received scan is kept in %1/%2.").arg(recovered, kept[0]).toLocal8Bit()),
                 err.constData());
        QFile file(recovered + "/" + kept[0]);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll().mid(16 + 5120), bundledSample().mid(16 + 5120));
    }

    // The target is free when the transfer starts; another program makes it
    // meanwhile. Only --force replaces it; otherwise the scan is kept aside.
    void aFileMadeAtTheTargetDuringTheTransfer_data()
    {
        QTest::addColumn<bool>("force");
        QTest::newRow("stays without --force") << false;
        QTest::newRow("is replaced with --force") << true;
    }
    void aFileMadeAtTheTargetDuringTheTransfer()
    {
        QFETCH(bool, force);
        const InstrumentSimulatorRun simulator(folder_.write("sent.vlm", bundledSample()),
                                               {QStringLiteral("--baud"), QStringLiteral("1000000")});
        const QString target = folder_.path(force ? "appeared-forced.vlm" : "appeared.vlm");
        QStringList arguments{"receive", "--device", simulator.devicePath(), "--output", target};
        if (force)
            arguments << "--force";
        ReceiveInBackground receive(folder_.path(force ? "data-forced" : "data-kept"), arguments);
        QVERIFY(receive.waitForProgress());
        QVERIFY(!QFile::exists(target));
        QVERIFY(!folder_.write(QFileInfo(target).fileName(), "made meanwhile").isEmpty());
        QVERIFY(receive.waitForFinished());
        const QByteArray atTarget = folder_.read(QFileInfo(target).fileName());
        const QStringList kept = receive.recovered();
        if (force) {
            QCOMPARE(receive.process.exitCode(), 0);
            QCOMPARE(atTarget.mid(16 + 5120), bundledSample().mid(16 + 5120));
            QVERIFY(kept.isEmpty());
            return;
        }
        QCOMPARE(receive.process.exitCode(), 1);
        QCOMPARE(atTarget, QByteArray("made meanwhile"));
        QCOMPARE(kept.size(), 1);
        QVERIFY2(receive.err.contains(QStringLiteral("Cannot save %1: a file of that name was made during the receive, "
                                                     "and it is left as it is. The received scan is kept in %2.")
                                          .arg(target, kept[0])
                                          .toLocal8Bit()),
                 receive.err.constData());
        QFile file(kept[0]);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll().mid(16 + 5120), bundledSample().mid(16 + 5120));
        // nothing of the write is left beside the target
        QCOMPARE(QDir(folder_.path("")).entryList({"appeared.vlm*"}, QDir::Files | QDir::Hidden),
                 QStringList{"appeared.vlm"});
    }

    void silenceEndsTheReceive()
    {
        const InstrumentSimulatorRun simulator(folder_.write("sent.vlm", bundledSample()),
                                               {QStringLiteral("--stop-after"), QStringLiteral("1000")});
        const CliOutcome outcome = runCli({"receive", "--device", simulator.devicePath(), "--output",
                                           folder_.path("partial.vlm"), "--timeout", "1"});
        QCOMPARE(outcome.status, 1);
        QVERIFY(outcome.err.contains("no data from the instrument for 1 seconds"));
        QVERIFY(!QFile::exists(folder_.path("partial.vlm")));
    }
};

QTEST_GUILESS_MAIN(CliReceiveTest)
#include "cli_receive_test.moc"
