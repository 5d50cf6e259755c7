#include "cli_run.h"

#include <QFileInfo>
#include <QTest>
#include <QtEndian>

namespace {

int u16(const QByteArray &bytes, int at)
{
    return qFromLittleEndian<uint16_t>(bytes.constData() + at);
}

}  // namespace

class CliExportTest : public QObject {
    Q_OBJECT

private:
    CliFolder folder_;

    QByteArray smoothedImage()
    {
        runCli({"dump", qEnvironmentVariable("VELMORA_SAMPLE_SCAN"), "--smoothed", "--output", folder_.path("s.bin")});
        return folder_.read("s.bin");
    }

private slots:
    void anExistingNameIsRefusedUnlessForced()
    {
        const QString path = folder_.write("old.vlm", "kept");
        CliOutcome outcome = runCli({"export", qEnvironmentVariable("VELMORA_SAMPLE_SCAN"), "--format", "vlm",
                                     "--output", path});
        QCOMPARE(outcome.status, 1);
        QVERIFY(outcome.err.contains("File exist ! Overwrite ?"));
        QCOMPARE(folder_.read("old.vlm"), QByteArray("kept"));
        outcome = runCli({"export", qEnvironmentVariable("VELMORA_SAMPLE_SCAN"), "--format", "vlm", "--output", path,
                          "--force"});
        QCOMPARE(outcome.status, 0);
        const QByteArray saved = folder_.read("old.vlm");
        QCOMPARE(saved.size(), 131088);
        const QByteArray shown = smoothedImage();
        for (int i = 5120; i <= 131027; ++i) {
            const int expected = i % 128 == 0 ? 0 : std::min(int(uint8_t(shown[i])), 127);
            QCOMPARE(int(uint8_t(saved[16 + i])), expected);
        }
    }

    // The layer files are what an export replaces: any of them that exists
    // stops it unless --force is given.
    void existingLayerFilesAreRefusedUnlessForced_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("existing");
        QTest::addColumn<QString>("message");
        QTest::newRow("SEG-2") << "seg2" << "l.dat" << QStringList{"l5.dat", "l2.dat"}
                               << "2 of the 24 layer files exist, l2.dat \u2026";
        QTest::newRow("ASCII") << "ascii" << "m.asc" << QStringList{"m0.asc"} << "1 of the 24 layer files exists, m0.asc";
    }
    void existingLayerFilesAreRefusedUnlessForced()
    {
        QFETCH(QString, format);
        QFETCH(QString, name);
        QFETCH(QStringList, existing);
        QFETCH(QString, message);
        for (const QString &file : existing)
            folder_.write(file, "kept");
        const QStringList arguments{"export", qEnvironmentVariable("VELMORA_SAMPLE_SCAN"), "--format", format,
                                    "--output", folder_.path(name)};
        const CliOutcome outcome = runCli(arguments);
        QCOMPARE(outcome.status, 1);
        QVERIFY2(outcome.err.contains(message), qPrintable(outcome.err));
        for (const QString &file : existing)
            QCOMPARE(folder_.read(file), QByteArray("kept"));
        QCOMPARE(runCli(arguments + QStringList{"--force"}).status, 0);
        for (const QString &file : existing)
            QVERIFY(folder_.read(file) != QByteArray("kept"));
    }

    void layerFormatsWriteTwentyFourFiles_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("first");
        QTest::addColumn<qint64>("size");
        QTest::newRow("SEG-2") << "seg2" << "a.dat" << "a1.dat" << qint64(23208);
        QTest::newRow("SEG-2 standard") << "seg2-standard" << "b.dat" << "b1.dat" << qint64(23328);
        QTest::newRow("ASCII") << "ascii" << "c.asc" << "c0.asc" << qint64(5120 * 24);
    }
    void layerFormatsWriteTwentyFourFiles()
    {
        QFETCH(QString, format);
        QFETCH(QString, name);
        QFETCH(QString, first);
        QFETCH(qint64, size);
        const CliOutcome outcome = runCli({"export", qEnvironmentVariable("VELMORA_SAMPLE_SCAN"), "--format", format,
                                           "--output", folder_.path(name)});
        QCOMPARE(outcome.status, 0);
        QVERIFY(!QFile::exists(folder_.path(name)));
        QCOMPARE(QFileInfo(folder_.path(first)).size(), size);
    }

    void standardFileReadsBackInAGeneralReader()
    {
        QCOMPARE(runCli({"export", qEnvironmentVariable("VELMORA_SAMPLE_SCAN"), "--format", "seg2-standard",
                         "--output", folder_.path("g.dat")})
                     .status,
                 0);
        const QByteArray file = folder_.read("g3.dat");
        const QByteArray shown = smoothedImage();
        // the strings, walked by their offsets
        QStringList keys;
        for (int at = 32 + u16(file, 4), offset = u16(file, at); offset != 0; at += offset, offset = u16(file, at))
            keys << QString::fromLatin1(file.mid(at + 2, offset - 2)).section(' ', 0, 0);
        QCOMPARE(keys, (QStringList{"ACQUISITION_DATE", "ACQUISITION_TIME", "INSTRUMENT", "TRACE_SORT", "UNITS"}));
        // the samples, at each pointer plus the stated descriptor size
        for (int i = 0; i < 40; ++i) {
            const int pointer = static_cast<int>(qFromLittleEndian<uint32_t>(file.constData() + 32 + 4 * i));
            const int data = pointer + u16(file, pointer + 2);
            for (int j = 0; j < 128; ++j)
                QCOMPARE(u16(file, data + 2 * j), int(uint8_t(shown[3 * 5120 + i * 128 + j + 1])));
        }
    }

    // Without --format the extension of the output decides, as in "Save data";
    // a name that does not say the format is refused.
    void theOutputsExtensionNamesTheFormatWhenNoneIsGiven_data()
    {
        QTest::addColumn<QString>("output");
        QTest::addColumn<QString>("written");
        QTest::addColumn<QByteArray>("start");  // empty: refused with exit status 2
        QTest::newRow("scan file") << "n.vlm" << "n.vlm" << QByteArray("VLMv1.0");
        QTest::newRow("NumPy in capitals") << "n.NPY" << "n.NPY" << QByteArray("\x93NUMPY");
        QTest::newRow("SEG-2") << "n.dat" << "n1.dat" << QByteArray("\x55\x3A");
        QTest::newRow("ASCII") << "n.asc" << "n0.asc" << QByteArray("  0.000   0.000");
        QTest::newRow("another extension") << "n.txt" << "n.txt" << QByteArray();
        QTest::newRow("no extension") << "n" << "n" << QByteArray();
    }
    void theOutputsExtensionNamesTheFormatWhenNoneIsGiven()
    {
        QFETCH(QString, output);
        QFETCH(QString, written);
        QFETCH(QByteArray, start);
        CliFolder folder;
        const CliOutcome outcome =
            runCli({"export", qEnvironmentVariable("VELMORA_SAMPLE_SCAN"), "--output", folder.path(output)});
        QCOMPARE(outcome.status, start.isEmpty() ? 2 : 0);
        QVERIFY(folder.read(written).startsWith(start));
        if (start.isEmpty())
            QVERIFY(!QFileInfo::exists(folder.path(written)));
    }

    void failuresAreReported()
    {
        const CliOutcome outcome = runCli({"export", qEnvironmentVariable("VELMORA_SAMPLE_SCAN"), "--format", "seg2",
                                           "--output", folder_.path("missing/x.dat")});
        QCOMPARE(outcome.status, 1);
        QCOMPARE(outcome.err.count("cannot save"), 1);
        QVERIFY2(outcome.err.contains(folder_.path("missing/x1.dat") + ": No such file or directory"),
                 qPrintable(outcome.err));
        QCOMPARE(runCli({"export", qEnvironmentVariable("VELMORA_SAMPLE_SCAN"), "--format", "pdf", "--output",
                         folder_.path("x")})
                     .status,
                 2);
    }
};

QTEST_GUILESS_MAIN(CliExportTest)
#include "cli_export_test.moc"
