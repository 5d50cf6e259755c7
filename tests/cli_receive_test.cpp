#include "cli_run.h"
#include "instrument_simulator_run.h"

#include <QDir>
#include <QTest>

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
