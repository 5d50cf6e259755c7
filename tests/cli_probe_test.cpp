// velmora-cli probe: the readings of the finding at the cursor, as lines and
// as JSON, on a scan file whose samples are known. Slice 0 is left alone by
// the load-time smoothing, so the file's bytes are the samples shown.

#include "cli_run.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

namespace {

// Layer 2, slice 0, 50 mm per 16 depth steps: byte 5 holds 64, bytes 12 and
// 20 hold 100, byte 30 holds 128; byte 40 holds 0 like every other.
QByteArray knownScan()
{
    QByteArray image(131072, '\0');
    image[2052] = 0x41;
    const int trace = 2 * 5120;
    image[trace + 5] = 64;
    image[trace + 12] = 100;
    image[trace + 20] = 100;
    image[trace + 30] = static_cast<char>(128);
    return scanFileOf(image);
}

const QStringList kCursor{"--layer", "2", "--slice", "0", "--depth", "5"};

}  // namespace

class CliProbeTest : public QObject {
    Q_OBJECT

private slots:
    void readings_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QStringList>("lines");
        const QStringList cursorLines{"slice: 1", "layer: 2", "depth_mm: 15.6", "amplitude: 64",
                                      "amplitude_percent: 50.4", "amplitude_db: -6.0"};
        const QStringList wholeGate{"gate_peak: 128", "gate_peak_percent: 100.8", "gate_peak_db: 0.1",
                                    "gate_peak_depth_mm: 93.8"};
        QTest::newRow("cursor, whole gate") << kCursor << cursorLines + wholeGate;
        QTest::newRow("gate with a tie: the shallower peak")
            << kCursor + QStringList{"--top", "10", "--bottom", "25"}
            << cursorLines + QStringList{"gate_peak: 100", "gate_peak_percent: 78.7", "gate_peak_db: -2.1",
                                         "gate_peak_depth_mm: 37.5"};
        QTest::newRow("reference")
            << kCursor + QStringList{"--reference", "64"}
            << cursorLines + wholeGate
                   + QStringList{"reference: 64", "amplitude_delta_db: 0.0", "gate_peak_delta_db: 6.0"};
        QTest::newRow("no echo at the cursor")
            << QStringList{"--layer", "2", "--depth", "40", "--top", "35", "--bottom", "60", "--reference", "32"}
            << QStringList{"slice: 1", "layer: 2", "depth_mm: 125.0", "amplitude: 0", "amplitude_percent: 0.0",
                           "amplitude_db: -inf", "gate_peak: 0", "gate_peak_percent: 0.0", "gate_peak_db: -inf",
                           "gate_peak_depth_mm: 112.5", "reference: 32", "amplitude_delta_db: -inf",
                           "gate_peak_delta_db: -inf"};
        // DAC 128 at 10 mm, 32 at 100 mm: 122 at the cursor's 15.625 mm, 38.67
        // at the peak's 93.75 mm
        QTest::newRow("against a DAC")
            << kCursor + QStringList{"--dac", "10:128,100:32"}
            << cursorLines + wholeGate
                   + QStringList{"amplitude_dac_percent: 52.5", "amplitude_dac_db: -5.6",
                                 "gate_peak_dac_percent: 331.0", "gate_peak_dac_db: 10.4"};
        QTest::newRow("measurement with both pitches")
            << kCursor + QStringList{"--measure-to", "3,4,21", "--slice-pitch", "2", "--layer-pitch", "5"}
            << cursorLines + wholeGate
                   + QStringList{"delta_slice: 3", "delta_layer: 2", "delta_depth_mm: 50.0", "distance_mm: 51.3"};
        QTest::newRow("measurement with one pitch: no distance")
            << kCursor + QStringList{"--measure-to", "0,1,1", "--slice-pitch", "2"}
            << cursorLines + wholeGate
                   + QStringList{"delta_slice: 0", "delta_layer: -1", "delta_depth_mm: -12.5"};
    }

    void readings()
    {
        QFETCH(QStringList, options);
        QFETCH(QStringList, lines);
        CliFolder folder;
        const QString scan = folder.write("known.vlm", knownScan());
        const CliOutcome outcome = runCli(QStringList{"probe", scan} + options);
        QCOMPARE(outcome.err, QString());
        QCOMPARE(outcome.status, 0);
        QCOMPARE(outcome.out.split('\n', Qt::SkipEmptyParts), lines);
    }

    void json()
    {
        CliFolder folder;
        const QString scan = folder.write("known.vlm", knownScan());
        const CliOutcome outcome =
            runCli({"probe", scan, "--layer", "2", "--depth", "40", "--reference", "64", "--measure-to", "0,2,42",
                    "--slice-pitch", "1.5", "--layer-pitch", "4", "--json"});
        QCOMPARE(outcome.status, 0);
        QJsonParseError error;
        const QJsonObject object = QJsonDocument::fromJson(outcome.out.toUtf8(), &error).object();
        QCOMPARE(error.error, QJsonParseError::NoError);
        QCOMPARE(object.keys().size(), 17);
        QCOMPARE(object.value("slice").toDouble(), 1.0);
        QCOMPARE(object.value("depth_mm").toDouble(), 125.0);
        QVERIFY(object.value("amplitude_db").isNull());
        QVERIFY(object.value("amplitude_delta_db").isNull());
        QCOMPARE(object.value("gate_peak").toDouble(), 128.0);
        QCOMPARE(object.value("gate_peak_percent").toDouble(), 100.8);
        QCOMPARE(object.value("gate_peak_delta_db").toDouble(), 6.0);
        QCOMPARE(object.value("delta_depth_mm").toDouble(), 6.3);  // 2 x 3.125
        QCOMPARE(object.value("distance_mm").toDouble(), 6.3);
    }

    void refused_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("reason");
        QTest::newRow("reference 0") << QStringList{"--reference", "0"} << "--reference takes a sample value";
        QTest::newRow("reference not a number") << QStringList{"--reference", "x"} << "--reference takes";
        QTest::newRow("negative pitch") << QStringList{"--slice-pitch", "-1"} << "--slice-pitch takes a positive";
        QTest::newRow("pitch not a number") << QStringList{"--layer-pitch", "wide"} << "--layer-pitch takes";
        QTest::newRow("two coordinates") << QStringList{"--measure-to", "1,2"} << "--measure-to takes S,L,P";
        QTest::newRow("layer out of range") << QStringList{"--measure-to", "1,25,3"} << "--measure-to takes";
    }

    void refused()
    {
        QFETCH(QStringList, options);
        QFETCH(QString, reason);
        CliFolder folder;
        const QString scan = folder.write("known.vlm", knownScan());
        const CliOutcome outcome = runCli(QStringList{"probe", scan} + options);
        QCOMPARE(outcome.status, 2);
        QVERIFY2(outcome.err.contains(reason), qPrintable(outcome.err));
        QCOMPARE(outcome.out, QString());
    }
};

QTEST_GUILESS_MAIN(CliProbeTest)
#include "cli_probe_test.moc"
