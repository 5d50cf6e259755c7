#include "cli_run.h"

#include <QTest>

#include <sys/stat.h>

class CliInfoTest : public QObject {
    Q_OBJECT

private:
    CliFolder folder_;

private slots:
    void describesAScanFile()
    {
        // a known image: header byte 2052 = 0x07, layer bytes 0, 10 and 200 only
        QByteArray image(131072, '\0');
        image[2052] = 0x07;
        image[5120] = 10;
        image[127999] = static_cast<char>(200);
        image[128000] = static_cast<char>(255);  // the tail is not a layer byte
        const CliOutcome outcome = runCli({"info", folder_.write("known.vlm", scanFileOf(image))});
        QCOMPARE(outcome.status, 0);
        QVERIFY2(outcome.out.contains(QStringLiteral("size: 131088 bytes")), qPrintable(outcome.out));
        QVERIFY(outcome.out.contains(QStringLiteral("magic: VLMv1.0, matches")));
        QVERIFY(outcome.out.contains(QStringLiteral("depth scale code: 3 (200 mm per 16 depth steps)")));
        QVERIFY(outcome.out.contains(QStringLiteral("layer bytes: min 0, max 200, mean 0.002")));
        QVERIFY(outcome.err.isEmpty());
    }

    void describesTheBundledSample()
    {
        const CliOutcome outcome = runCli({"info", qEnvironmentVariable("VELMORA_SAMPLE_SCAN")});
        QCOMPARE(outcome.status, 0);
        QVERIFY(outcome.out.contains(QStringLiteral("depth scale code: 1 (50 mm per 16 depth steps)")));
    }

    void refusesWhatIsNotAScanFile_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("message");
        QTest::newRow("other file") << "notes.txt" << QByteArray("hello") << "is not a scan file";
        QTest::newRow("magic only") << "magic.vlm" << QByteArray("VLMv1.0") << "truncated scan file: 7 of 131088";
        QTest::newRow("short") << "short.vlm" << bundledSample().left(100) << "truncated scan file: 100 of 131088";
        QTest::newRow("missing") << "absent.vlm" << QByteArray() << "cannot open";
        QTest::newRow("folder") << "." << QByteArray() << "Is a directory";
    }
    void refusesWhatIsNotAScanFile()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        const QString path = bytes.isEmpty() ? folder_.path(name) : folder_.write(name, bytes);
        const CliOutcome outcome = runCli({"info", path});
        QCOMPARE(outcome.status, 1);
        QVERIFY2(outcome.err.contains(message), qPrintable(outcome.err));
    }

    // Every subcommand opens its scan the same way: a FIFO is refused at once
    // instead of holding the tool for ever.
    void everyCommandRefusesAFifo_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("info") << QStringList{"info"};
        QTest::newRow("dump") << QStringList{"dump", "--raw", "--output", "out.bin"};
        QTest::newRow("render") << QStringList{"render", "--image", "out.png"};
        QTest::newRow("voxels") << QStringList{"voxels", "--output", "out.bin"};
        QTest::newRow("view3d") << QStringList{"view3d", "--output", "out.png"};
        QTest::newRow("export") << QStringList{"export", "--format", "vlm", "--output", "out.vlm"};
        QTest::newRow("print") << QStringList{"print", "--output", "out.png"};
    }
    void everyCommandRefusesAFifo()
    {
        QFETCH(QStringList, arguments);
        const QString fifo = folder_.path("pipe.vlm");
        QFile::remove(fifo);
        QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        for (QString &argument : arguments)
            if (argument.startsWith("out."))
                argument = folder_.path(argument);
        arguments.insert(1, fifo);
        QProcess process;
        process.start(qEnvironmentVariable("VELMORA_CLI"), arguments);
        const bool finished = process.waitForFinished(20000);
        if (!finished)
            process.kill();
        QVERIFY2(finished, "the command waited on the FIFO");
        QCOMPARE(process.exitCode(), 1);
        QVERIFY2(process.readAllStandardError().contains(
                     QStringLiteral("cannot open %1: Not a regular file (a FIFO)").arg(fifo).toLocal8Bit()),
                 "the FIFO is not named as refused");
    }

    void unknownCommandShowsUsage()
    {
        const CliOutcome outcome = runCli({"frobnicate"});
        QCOMPARE(outcome.status, 2);
        QVERIFY(outcome.err.contains(QStringLiteral("velmora-cli info FILE")));
    }
};

QTEST_GUILESS_MAIN(CliInfoTest)
#include "cli_info_test.moc"
