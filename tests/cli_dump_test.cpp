#include "cli_run.h"

#include <QTest>

class CliDumpTest : public QObject {
    Q_OBJECT

private:
    CliFolder folder_;

    CliOutcome dump(const QString &file, const QString &which, QByteArray &output)
    {
        const QString outPath = folder_.path(QStringLiteral("out.bin"));
        QFile::remove(outPath);
        const CliOutcome outcome = runCli({"dump", file, which, "--output", outPath});
        output = folder_.read(QStringLiteral("out.bin"));
        return outcome;
    }

private slots:
    void rawIsTheFilesImage()
    {
        QByteArray output;
        QCOMPARE(dump(qEnvironmentVariable("VELMORA_SAMPLE_SCAN"), "--raw", output).status, 0);
        QCOMPARE(output, bundledSample().mid(16));
    }

    void smoothedShowsTheStencil()
    {
        QByteArray output;
        QCOMPARE(dump(folder_.write("white.vlm", scanFileOf(QByteArray(131072, '\xFF'))), "--smoothed", output).status,
                 0);
        QCOMPARE(output.size(), 131072);
        const int smoothedPoint = 5120 + 2 * 5120 + 3 * 128 + 40;
        const int layer24 = 5120 + 23 * 5120 + 3 * 128 + 40;
        QCOMPARE(uint8_t(output[smoothedPoint]), uint8_t(128));
        QCOMPARE(uint8_t(output[layer24]), uint8_t(255));
    }

    void aShortFileLoadsAsTheProgramLoadsIt()
    {
        QByteArray output;
        const QString path = folder_.write("short.vlm", bundledSample().left(100));
        const CliOutcome outcome = dump(path, "--raw", output);
        QCOMPARE(outcome.status, 0);
        QVERIFY2(outcome.err.contains(QStringLiteral("Ooops: %1 ends 130988 bytes early: image bytes 84 to").arg(path)),
                 qPrintable(outcome.err));
        QCOMPARE(output.left(84), bundledSample().mid(16, 84));
        QCOMPARE(output.mid(84), QByteArray(131072 - 84, '\0'));
    }

    void refusals_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("message");
        QTest::newRow("wrong magic") << "other.txt" << QByteArray("plain text") << "is not a scan file";
        QTest::newRow("missing") << "absent.vlm" << QByteArray() << "cannot open";
    }
    void refusals()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        const QString path = bytes.isEmpty() ? folder_.path(name) : folder_.write(name, bytes);
        QByteArray output;
        const CliOutcome outcome = dump(path, "--smoothed", output);
        QCOMPARE(outcome.status, 1);
        QVERIFY2(outcome.err.contains(message), qPrintable(outcome.err));
        QVERIFY(output.isEmpty());
    }
};

QTEST_GUILESS_MAIN(CliDumpTest)
#include "cli_dump_test.moc"
