#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

class CliDumpTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir folder_;

    struct Outcome {
        int status;
        QString err;
        QByteArray output;
    };

    Outcome dump(const QString &file, const QString &which)
    {
        const QString output = folder_.filePath(QStringLiteral("out.bin"));
        QFile::remove(output);
        QProcess process;
        process.start(qEnvironmentVariable("VELMORA_CLI"),
                      {QStringLiteral("dump"), file, which, QStringLiteral("--output"), output});
        process.waitForFinished();
        QFile result(output);
        return {process.exitCode(), QString::fromLocal8Bit(process.readAllStandardError()),
                result.open(QIODevice::ReadOnly) ? result.readAll() : QByteArray()};
    }

    QString write(const QString &name, const QByteArray &bytes)
    {
        QFile file(folder_.filePath(name));
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
        return file.fileName();
    }

    static QByteArray sample()
    {
        QFile file(qEnvironmentVariable("VELMORA_SAMPLE_SCAN"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private slots:
    void rawIsTheFilesImage()
    {
        const Outcome outcome = dump(qEnvironmentVariable("VELMORA_SAMPLE_SCAN"), QStringLiteral("--raw"));
        QCOMPARE(outcome.status, 0);
        QCOMPARE(outcome.output, sample().mid(16));
    }

    void smoothedShowsTheStencil()
    {
        QByteArray file = QByteArrayLiteral("VLMv1.0") + QByteArray(9, '\0') + QByteArray(131072, '\xFF');
        const Outcome outcome = dump(write("white.vlm", file), QStringLiteral("--smoothed"));
        QCOMPARE(outcome.status, 0);
        QCOMPARE(outcome.output.size(), 131072);
        const int smoothedPoint = 5120 + 2 * 5120 + 3 * 128 + 40;
        const int layer24 = 5120 + 23 * 5120 + 3 * 128 + 40;
        QCOMPARE(uint8_t(outcome.output[smoothedPoint]), uint8_t(128));
        QCOMPARE(uint8_t(outcome.output[layer24]), uint8_t(255));
    }

    void aShortFileLoadsAsTheProgramLoadsIt()
    {
        const Outcome outcome = dump(write("short.vlm", sample().left(100)), QStringLiteral("--raw"));
        QCOMPARE(outcome.status, 0);
        QVERIFY2(outcome.err.contains(QStringLiteral("Ooops: 84")), qPrintable(outcome.err));
        QCOMPARE(outcome.output.left(84), sample().mid(16, 84));
        QCOMPARE(outcome.output.mid(84), QByteArray(131072 - 84, '\0'));
    }

    void refusals_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("message");
        QTest::newRow("wrong magic") << "other.txt" << QByteArray("plain text") << "is not a scan file";
        QTest::newRow("missing") << "" << QByteArray() << "cannot open";
    }
    void refusals()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        const QString path = name.isEmpty() ? folder_.filePath("absent.vlm") : write(name, bytes);
        const Outcome outcome = dump(path, QStringLiteral("--smoothed"));
        QCOMPARE(outcome.status, 1);
        QVERIFY2(outcome.err.contains(message), qPrintable(outcome.err));
        QVERIFY(outcome.output.isEmpty());
    }
};

QTEST_GUILESS_MAIN(CliDumpTest)
#include "cli_dump_test.moc"
