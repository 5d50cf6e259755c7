#include "cli_run.h"
#include "pdf_reading.h"

#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>
#include <QTest>

namespace {

struct Sample {
    int slice;
    int byte;
    int value;
};

// Depth scale code 2 (T = 100 mm per 16 bytes, 6.25 mm a byte). The samples
// stand in layer 24, which keeps the file's values through the load-time
// smoothing; layer 23 takes 2/10 of them in slices 1..38 (slice 0 stays 0).
// --first 23 --last 24 maps the two: traces 0..39 are layer 23's, 40..79
// layer 24's.
QByteArray scanWith(const QList<Sample> &samples)
{
    QByteArray image(131072, '\0');
    image[2052] = 2;
    for (const Sample &sample : samples)
        image[5120 + 23 * 5120 + sample.slice * 128 + sample.byte] = char(sample.value);
    return QByteArrayLiteral("VLMv1.0") + QByteArray(9, '\0') + image;
}

const QStringList kLayer24{"--first", "23", "--last", "24"};

QJsonObject jsonOf(const QString &text)
{
    return QJsonDocument::fromJson(text.toUtf8()).object();
}

// A 321 x 200 picture has cells of (321 - 120 - 1) div 40 = 5 by (200 - 1) div 24 = 8 pixels.
QColor cellCentre(const QImage &picture, int layer, int slice)
{
    return picture.pixelColor(slice * 5 + 2, (layer - 1) * 8 + 4);
}

bool cellHolds(const QImage &picture, int layer, int slice, const QColor &colour)
{
    for (int y = (layer - 1) * 8; y < layer * 8; ++y)
        for (int x = slice * 5; x < slice * 5 + 5; ++x)
            if (picture.pixelColor(x, y) == colour)
                return true;
    return false;
}

}  // namespace

class CliWallMapsTest : public QObject {
    Q_OBJECT

private slots:
    // Slice 0 (shown 1): byte 40, 250 mm; slice 1: byte 32, 200 mm; the rest
    // no echo, layer 23's 20 too.
    void thicknessGivesEveryTraceAndTheFigures()
    {
        CliFolder folder;
        const QString scan = folder.write("wall.vlm", scanWith({{0, 40, 100}, {1, 32, 100}}));
        const CliOutcome outcome = runCli(QStringList{"thickness", scan, "--nominal", "250", "--json"} + kLayer24);
        QCOMPARE(outcome.status, 0);
        const QJsonObject json = jsonOf(outcome.out);
        const QJsonArray traces = json.value("traces").toArray();
        QCOMPARE(traces.size(), 80);
        QCOMPARE(traces[40].toObject(), (QJsonObject{{"layer", 24}, {"slice", 1}, {"thickness_mm", 250}}));
        QCOMPARE(traces[41].toObject().value("thickness_mm").toDouble(), 200.0);
        QVERIFY(traces[42].toObject().value("thickness_mm").isNull());
        QVERIFY(traces[1].toObject().value("thickness_mm").isNull());
        QCOMPARE(json.value("min_mm").toDouble(), 200.0);
        QCOMPARE(json.value("min_layer").toInt(), 24);
        QCOMPARE(json.value("min_slice").toInt(), 2);
        QCOMPARE(json.value("max_mm").toDouble(), 250.0);
        QCOMPARE(json.value("mean_mm").toDouble(), 225.0);
        QCOMPARE(json.value("no_echo").toInt(), 78);
        QCOMPARE(json.value("max_wall_loss_percent").toDouble(), 20.0);  // 100 (250 - 200) / 250

        const CliOutcome csv = runCli(QStringList{"thickness", scan, "--csv"} + kLayer24);
        QCOMPARE(csv.status, 0);
        const QStringList lines = csv.out.split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 81);
        QCOMPARE(lines[0], QStringLiteral("layer,slice,thickness_mm"));
        QCOMPARE(lines.mid(41, 3), (QStringList{"24,1,250", "24,2,200", "24,3,"}));
    }

    // The thinnest wall red, the thickest blue, no echo grey and crossed, the layers not mapped white.
    void thicknessPictureIsTheMapInItsPalette()
    {
        CliFolder folder;
        const QString scan = folder.write("wall.vlm", scanWith({{0, 40, 100}, {1, 32, 100}}));
        const QString png = folder.path("map.png");
        QCOMPARE(runCli(QStringList{"thickness", scan, "--size", "321x200", "--image", png} + kLayer24).status, 0);
        const QImage picture(png);
        QCOMPARE(picture.size(), QSize(321, 200));
        QCOMPARE(cellCentre(picture, 24, 0), QColor(0, 0, 255));
        QCOMPARE(cellCentre(picture, 24, 1), QColor(255, 0, 0));
        QVERIFY(cellHolds(picture, 24, 2, QColor(160, 160, 160)));
        QCOMPARE(cellCentre(picture, 1, 0), QColor(Qt::white));
        // the legend's bar, right of the 40 x 5 pixels of cells: thick at its top, thin at its foot
        const QColor top = picture.pixelColor(219, 26);
        const QColor foot = picture.pixelColor(219, 150);
        QVERIFY2(top.blue() == 255 && top.red() < 30, qPrintable(top.name()));
        QVERIFY2(foot.red() == 255 && foot.blue() < 30, qPrintable(foot.name()));
    }

    // The report gives the map on a page of its own after the first.
    void reportGivesTheThicknessMapPage()
    {
        for (const char *tool : {"pdftotext", "pdfinfo"}) {
            if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
                QSKIP("poppler-utils are not installed");
        }
        CliFolder folder;
        const QString scan = folder.write("wall.vlm", scanWith({{0, 40, 100}, {1, 32, 100}}));
        const QString pdf = folder.path("report.pdf");
        QCOMPARE(runCli(QStringList{"report", scan, "--thickness", "--nominal", "250", "--output", pdf} + kLayer24)
                     .status,
                 0);
        QCOMPARE(pdfPageCount(pdf), 2);
        const QString page = pdfPageText(pdf, 2);
        QVERIFY2(page.contains("Wall thickness"), qPrintable(page));
        QVERIFY2(page.contains("Minimum 200 mm at layer 24, slice 2"), qPrintable(page));
        QVERIFY2(page.contains("wall loss up to 20.0 %"), qPrintable(page));
        QVERIFY2(page.contains("Page 2 of 2"), qPrintable(page));
    }

    // 20 log10(120 / 60) = +6.02 dB, red at the top of a scale of 6 dB either
    // side; 20 log10(60 / 120) = -6.02 dB, blue; equal maxima are 0 dB, white.
    // Layer 23 holds A 0, 12, 10, 18 and B 0, 24, 10, 0 in slices 0..3: its
    // -6.02 dB at slice 1 (shown 2) is the first smallest difference. The
    // mean of -6, 0, 6, -6, 0 is -1.2.
    void compareGivesTheDifferences()
    {
        CliFolder folder;
        const QString a = folder.write("a.vlm", scanWith({{0, 10, 120}, {1, 10, 60}, {2, 10, 50}, {3, 10, 90}}));
        const QString b = folder.write("b.vlm", scanWith({{0, 30, 60}, {1, 30, 120}, {2, 30, 50}}));
        const QString png = folder.path("difference.png");
        const CliOutcome outcome =
            runCli(QStringList{"compare", a, b, "--json", "--size", "321x200", "--image", png} + kLayer24);
        QCOMPARE(outcome.status, 0);
        const QJsonObject json = jsonOf(outcome.out);
        const QJsonArray traces = json.value("traces").toArray();
        QCOMPARE(traces.size(), 80);
        QCOMPARE(traces[40].toObject(), (QJsonObject{{"layer", 24}, {"slice", 1}, {"gate_max_a", 120},
                                                     {"gate_max_b", 60}, {"delta_db", 6}}));
        QCOMPARE(traces[41].toObject().value("delta_db").toDouble(), -6.0);
        QCOMPARE(traces[42].toObject().value("delta_db").toDouble(), 0.0);
        QVERIFY(traces[43].toObject().value("delta_db").isNull());  // B's maximum is 0
        QVERIFY(traces[0].toObject().value("delta_db").isNull());   // both 0
        QCOMPARE(json.value("max_delta_db").toDouble(), 6.0);
        QCOMPARE(json.value("max_delta_layer").toInt(), 24);
        QCOMPARE(json.value("max_delta_slice").toInt(), 1);
        QCOMPARE(json.value("min_delta_db").toDouble(), -6.0);
        QCOMPARE(json.value("min_delta_layer").toInt(), 23);
        QCOMPARE(json.value("min_delta_slice").toInt(), 2);
        QCOMPARE(json.value("mean_delta_db").toDouble(), -1.2);

        const QImage picture(png);
        QCOMPARE(cellCentre(picture, 24, 2), QColor(Qt::white));
        const QColor stronger = cellCentre(picture, 24, 0);
        const QColor weaker = cellCentre(picture, 24, 1);
        QVERIFY2(stronger.red() == 255 && stronger.blue() < 100, qPrintable(stronger.name()));
        QVERIFY2(weaker.blue() == 255 && weaker.red() < 100, qPrintable(weaker.name()));
    }

    void compareNamesAMissingOrForeignB_data()
    {
        QTest::addColumn<QByteArray>("bytes");  // empty: no file at all
        QTest::newRow("missing") << QByteArray();
        QTest::newRow("not a scan file") << QByteArray("hello");
    }

    void compareNamesAMissingOrForeignB()
    {
        QFETCH(QByteArray, bytes);
        CliFolder folder;
        const QString a = folder.write("a.vlm", scanWith({}));
        const QString b = bytes.isEmpty() ? folder.path("b.vlm") : folder.write("b.vlm", bytes);
        const CliOutcome outcome = runCli({"compare", a, b});
        QCOMPARE(outcome.status, 1);
        QVERIFY2(outcome.err.contains(b), qPrintable(outcome.err));
        QVERIFY(outcome.out.isEmpty());
    }

    void optionsOutOfRangeAreRefused_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("a mode not known") << QStringList{"thickness", "--mode", "edge"};
        QTest::newRow("level 0") << QStringList{"thickness", "--level", "0"};
        QTest::newRow("a nominal wall of 0") << QStringList{"thickness", "--nominal", "0"};
        QTest::newRow("a picture too small for the legend") << QStringList{"thickness", "--size", "150x100"};
        QTest::newRow("one scan to compare") << QStringList{"compare"};
    }

    void optionsOutOfRangeAreRefused()
    {
        QFETCH(QStringList, arguments);
        CliFolder folder;
        const QString scan = folder.write("wall.vlm", scanWith({}));
        QString err;
        QCOMPARE(runCliStatus(arguments << scan, &err), 2);
        QVERIFY(!err.isEmpty());
    }
};

QTEST_MAIN(CliWallMapsTest)
#include "cli_wall_maps_test.moc"
