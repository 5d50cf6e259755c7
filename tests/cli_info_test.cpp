#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class CliInfoTest : public QObject {
    Q_OBJECT

private:
    struct Outcome {
        int status;
        QString out;
        QString err;
    };

    static Outcome runCli(const QStringList &arguments)
    {
        QProcess process;
        process.start(qEnvironmentVariable("VELMORA_CLI"), arguments);
        process.waitForFinished();
        return {process.exitCode(), QString::fromLocal8Bit(process.readAllStandardOutput()),
                QString::fromLocal8Bit(process.readAllStandardError())};
    }

    static QByteArray sample()
    {
        QFile file(qEnvironmentVariable("VELMORA_SAMPLE_SCAN"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir folder_;

    QString write(const QString &name, const QByteArray &bytes)
    {
        QFile file(folder_.filePath(name));
        if (!file.open(QIODevice::WriteOnly))
            return {};
        file.write(bytes);
        return file.fileName();
    }

private slots:
    void describesAScanFile()
    {
        QByteArray scan = sample();
        QCOMPARE(scan.size(), 131088);
        // a known image: header byte 2052 = 0x07, layer bytes 0, 10 and 200 only
        std::fill(scan.begin() + 16, scan.end(), '\0');
        scan[16 + 2052] = 0x07;
        scan[16 + 5120] = 10;
        scan[16 + 127999] = static_cast<char>(200);
        scan[16 + 128000] = static_cast<char>(255);  // the tail is not a layer byte
        const Outcome outcome = runCli({QStringLiteral("info"), write("known.vlm", scan)});
        QCOMPARE(outcome.status, 0);
        QVERIFY2(outcome.out.contains(QStringLiteral("size: 131088 bytes")), qPrintable(outcome.out));
        QVERIFY(outcome.out.contains(QStringLiteral("magic: VLMv1.0, matches")));
        QVERIFY(outcome.out.contains(QStringLiteral("depth scale code: 3 (200 mm per 16 depth steps)")));
        QVERIFY(outcome.out.contains(QStringLiteral("layer bytes: min 0, max 200, mean 0.002")));
        QVERIFY(outcome.err.isEmpty());
    }

    void describesTheBundledSample()
    {
        const Outcome outcome = runCli({QStringLiteral("info"), qEnvironmentVariable("VELMORA_SAMPLE_SCAN")});
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
        QTest::newRow("short") << "short.vlm" << sample().left(100) << "truncated scan file: 100 of 131088";
        QTest::newRow("missing") << "" << QByteArray() << "cannot open";
        QTest::newRow("folder") << "." << QByteArray() << "is a folder";
    }
    void refusesWhatIsNotAScanFile()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        QString path = folder_.filePath(name.isEmpty() ? QStringLiteral("absent.vlm") : name);
        if (!bytes.isEmpty())
            path = write(name, bytes);
        const Outcome outcome = runCli({QStringLiteral("info"), path});
        QCOMPARE(outcome.status, 1);
        QVERIFY2(outcome.err.contains(message), qPrintable(outcome.err));
    }

    void unknownCommandShowsUsage()
    {
        const Outcome outcome = runCli({QStringLiteral("frobnicate")});
        QCOMPARE(outcome.status, 2);
        QVERIFY(outcome.err.contains(QStringLiteral("velmora-cli info FILE")));
    }
};

QTEST_GUILESS_MAIN(CliInfoTest)
#include "cli_info_test.moc"
