#include "cli_run.h"

#include <QTest>

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
        QTest::newRow("folder") << "." << QByteArray() << "is a folder";
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

    void unknownCommandShowsUsage()
    {
        const CliOutcome outcome = runCli({"frobnicate"});
        QCOMPARE(outcome.status, 2);
        QVERIFY(outcome.err.contains(QStringLiteral("velmora-cli info FILE")));
    }
};

QTEST_GUILESS_MAIN(CliInfoTest)
#include "cli_info_test.moc"
