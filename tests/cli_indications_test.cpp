#include "cli_run.h"

#include <QCryptographicHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

namespace {

// Depth scale code 2 (T = 100 mm per 16 bytes). Layer 24 keeps the file's
// values through the load-time smoothing, and what it lends layer 23
// (2/10 of each value) stays below level 50.
QByteArray scanWithOneIndication()
{
    QByteArray image(131072, '\0');
    image[2052] = 2;
    const auto at = [](int slice, int byte) { return 5120 + 23 * 5120 + slice * 128 + byte; };
    image[at(10, 20)] = char(120);
    image[at(10, 21)] = char(70);
    image[at(11, 20)] = char(90);
    return QByteArrayLiteral("VLMv1.0") + QByteArray(9, '\0') + image;
}

QJsonObject jsonOf(const QByteArray &bytes)
{
    return QJsonDocument::fromJson(bytes).object();
}

}  // namespace

class CliIndicationsTest : public QObject {
    Q_OBJECT

private slots:
    // Peak 120 at slice 10 (shown 11), byte 20: 20 x 100 / 16 = 125 mm. The
    // 6 dB drop keeps 61 and up, both neighbours: slices 11..12, bytes 20..21.
    void theTableGivesTheDropSizes()
    {
        CliFolder folder;
        const QString scan = folder.write("weld.vlm", scanWithOneIndication());
        const CliOutcome outcome = runCli({"indications", scan, "--level", "50", "--slice-pitch", "1.5",
                                           "--layer-pitch", "2", "--reference", "60", "--csv"});
        QCOMPARE(outcome.status, 0);
        const QStringList lines = outcome.out.split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 2);
        const QStringList names = lines[0].split(',');
        const QStringList values = lines[1].split(',');
        QCOMPARE(names.size(), values.size());
        const auto field = [&](const char *name) { return values.value(names.indexOf(QLatin1String(name))); };
        QCOMPARE(field("number"), QStringLiteral("1"));
        QCOMPARE(field("peak"), QStringLiteral("120"));
        QCOMPARE(field("peak_percent"), QStringLiteral("94.5"));   // 120 / 127
        QCOMPARE(field("peak_delta_db"), QStringLiteral("6"));     // 20 log10(120 / 60) = 6.02
        QCOMPARE(field("peak_slice"), QStringLiteral("11"));
        QCOMPARE(field("peak_layer"), QStringLiteral("24"));
        QCOMPARE(field("peak_depth_mm"), QStringLiteral("125"));
        QCOMPARE(field("samples"), QStringLiteral("3"));
        QCOMPARE(field("drop_slice_last"), QStringLiteral("12"));
        QCOMPARE(field("drop_depth_last_mm"), QStringLiteral("131.25"));  // 21 x 100 / 16
        QCOMPARE(field("length_mm"), QStringLiteral("3"));     // 2 slices x 1.5
        QCOMPARE(field("width_mm"), QStringLiteral("2"));      // 1 layer x 2
        QCOMPARE(field("height_mm"), QStringLiteral("12.5"));  // 2 bytes x 100 / 16
        QCOMPARE(field("origin"), QStringLiteral("found"));
    }

    // Peak 120 at 125 mm; DAC 240 at 100 mm and 120 at 150 mm gives 180 at
    // 125 mm: 66.7 %DAC, 20 log10(120 / 180) = -3.52 dB, above -10: reject.
    void theDacReadsAndClassesThePeak()
    {
        CliFolder folder;
        const QString scan = folder.write("weld.vlm", scanWithOneIndication());
        const CliOutcome outcome = runCli({"indications", scan, "--level", "50", "--dac", "100:240,150:120",
                                           "--recording-db", "-14", "--acceptance-db", "-10"});
        QCOMPARE(outcome.status, 0);
        const QJsonObject row = jsonOf(outcome.out.toUtf8()).value("indications").toArray()[0].toObject();
        QCOMPARE(row.value("peak_dac_percent").toDouble(), 66.7);
        QCOMPARE(row.value("peak_dac_db").toDouble(), -3.5);
        QCOMPARE(row.value("class").toString(), QStringLiteral("reject"));
    }

    // DAC 180 at the peak's 125 mm: -4 dB of it is 113.6, so the 120 counts;
    // its neighbour 70 at 131.25 mm (DAC 165, 104.1) does not. -3 dB of 180
    // is 127.2, above the peak.
    void theLevelMayBeTakenAgainstTheDac_data()
    {
        QTest::addColumn<QString>("level");
        QTest::addColumn<int>("indications");
        QTest::newRow("-4 dB") << "-4" << 1;
        QTest::newRow("-3 dB") << "-3" << 0;
    }
    void theLevelMayBeTakenAgainstTheDac()
    {
        QFETCH(QString, level);
        QFETCH(int, indications);
        CliFolder folder;
        const QString scan = folder.write("weld.vlm", scanWithOneIndication());
        const CliOutcome outcome = runCli({"indications", scan, "--dac", "100:240,150:120", "--level-dac-db", level,
                                           "--min-samples", "1", "--drop", "60"});
        QCOMPARE(outcome.status, 0);
        const QJsonObject table = jsonOf(outcome.out.toUtf8());
        const QJsonArray rows = table.value("indications").toArray();
        QCOMPARE(rows.size(), indications);
        if (indications > 0) {
            QCOMPARE(rows[0].toObject().value("peak").toInt(), 120);
            QCOMPARE(rows[0].toObject().value("samples").toInt(), 1);
        }
    }

    void savingKeepsTheCommentsInTheInspectionFile()
    {
        CliFolder folder;
        const QByteArray scanBytes = scanWithOneIndication();
        const QString scan = folder.write("weld.vlm", scanBytes);
        QCOMPARE(runCli({"indications", scan, "--level", "50", "--save"}).status, 0);
        QJsonObject saved = jsonOf(folder.read("weld.vlm.json"));
        QCOMPARE(saved.value("format").toString(), QStringLiteral("velmora-inspection"));
        QCOMPARE(saved.value("scan").toObject().value("sha256").toString(),
                 QString::fromLatin1(QCryptographicHash::hash(scanBytes, QCryptographicHash::Sha256).toHex()));
        QCOMPARE(saved.value("indications").toArray().size(), 1);

        // the inspector comments the indication, then finds again at another drop
        QJsonArray indications = saved.value("indications").toArray();
        QJsonObject first = indications[0].toObject();
        first.insert("comment", "lack of fusion, root");
        indications[0] = first;
        saved.insert("indications", indications);
        QVERIFY(!folder.write("weld.vlm.json", QJsonDocument(saved).toJson()).isEmpty());
        QCOMPARE(runCli({"indications", scan, "--level", "50", "--drop", "12", "--save"}).status, 0);
        const QJsonObject again = jsonOf(folder.read("weld.vlm.json"));
        QCOMPARE(again.value("indications").toArray()[0].toObject().value("comment").toString(),
                 QStringLiteral("lack of fusion, root"));
        QCOMPARE(again.value("indication_search").toObject().value("drop_db").toDouble(), 12.0);
    }

    void anInspectionOfAnotherScanIsLeftAsItIs()
    {
        CliFolder folder;
        const QString scan = folder.write("weld.vlm", scanWithOneIndication());
        const QByteArray other = QJsonDocument(QJsonObject{
            {"format", "velmora-inspection"}, {"version", 1},
            {"scan", QJsonObject{{"file", "weld.vlm"}, {"sha256", QString(64, 'a')}, {"size", 131088}}}}).toJson();
        folder.write("weld.vlm.json", other);
        const CliOutcome outcome = runCli({"indications", scan, "--save"});
        QCOMPARE(outcome.status, 1);
        QVERIFY2(outcome.err.contains("made for another scan"), qPrintable(outcome.err));
        QCOMPARE(folder.read("weld.vlm.json"), other);
    }

    void optionsOutOfRangeAreRefused_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("reason");
        QTest::newRow("level 0") << QStringList{"--level", "0"} << "--level";
        QTest::newRow("level 256") << QStringList{"--level", "256"} << "--level";
        QTest::newRow("drop nan") << QStringList{"--drop", "nan"} << "--drop";
        QTest::newRow("drop 0") << QStringList{"--drop", "0"} << "--drop";
        QTest::newRow("min-samples -1") << QStringList{"--min-samples", "-1"} << "--min-samples";
        QTest::newRow("reference 0") << QStringList{"--reference", "0"} << "--reference";
        QTest::newRow("both tables") << QStringList{"--json", "--csv"} << "choose one";
        QTest::newRow("a DAC not a curve") << QStringList{"--dac", "110:60,50:100"} << "must increase";
        QTest::newRow("a DAC value 0") << QStringList{"--dac", "50:0"} << "--dac";
        QTest::newRow("a DAC level without a DAC") << QStringList{"--level-dac-db", "-6"} << "needs the DAC";
        QTest::newRow("a DAC level out of range")
            << QStringList{"--dac", "50:100", "--level-dac-db", "-100"} << "--level-dac-db";
        QTest::newRow("acceptance without recording") << QStringList{"--acceptance-db", "-10"} << "both of them";
    }
    void optionsOutOfRangeAreRefused()
    {
        QFETCH(QStringList, options);
        QFETCH(QString, reason);
        CliFolder folder;
        const QString scan = folder.write("weld.vlm", scanWithOneIndication());
        const CliOutcome outcome = runCli(QStringList{"indications", scan} + options);
        QCOMPARE(outcome.status, 2);
        QVERIFY2(outcome.err.contains(reason), qPrintable(outcome.err));
    }
};

QTEST_GUILESS_MAIN(CliIndicationsTest)
#include "cli_indications_test.moc"
