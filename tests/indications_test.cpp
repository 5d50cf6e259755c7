#include "indication_overlay.h"
#include "indication_table.h"
#include "indications.h"

#include "volume_with_samples.h"

#include <QTest>

#include <memory>

namespace {

IndicationSearch searchAt(int level, int minSamples)
{
    IndicationSearch search;
    search.level = level;
    search.minSamples = minSamples;
    return search;
}

// The sample level is left at 255, so only the DAC level can let a sample count.
IndicationSearch searchAgainstDac(const char *points, double decibels)
{
    IndicationSearch search = searchAt(255, 1);
    search.dacLevel = DacLevel{*parseDacCurve(QString::fromLatin1(points)), decibels};
    return search;
}

// "peak@layer,slice,byte samples region[slices layers bytes]", slices 0-based.
QString described(const Indication &indication)
{
    const SampleBox &r = indication.region;
    return QStringLiteral("%1@%2,%3,%4 n%5 s%6-%7 l%8-%9 b%10-%11")
        .arg(indication.peak)
        .arg(indication.peakAt.layer)
        .arg(indication.peakAt.slice)
        .arg(indication.peakAt.byte)
        .arg(indication.samples)
        .arg(r.sliceFirst)
        .arg(r.sliceLast)
        .arg(r.layerFirst)
        .arg(r.layerLast)
        .arg(r.byteFirst)
        .arg(r.byteLast);
}

QStringList describedAll(const std::vector<Indication> &indications)
{
    QStringList lines;
    for (const Indication &indication : indications)
        lines << QStringLiteral("%1: %2").arg(indication.number).arg(described(indication));
    return lines;
}

}  // namespace

Q_DECLARE_METATYPE(QList<Sample>)
Q_DECLARE_METATYPE(IndicationSearch)

class IndicationsTest : public QObject {
    Q_OBJECT

private slots:
    void regionsArePeaksOfFaceConnectedSamples_data()
    {
        QTest::addColumn<QList<Sample>>("samples");
        QTest::addColumn<IndicationSearch>("search");
        QTest::addColumn<QStringList>("expected");

        const QList<Sample> single{{5, 10, 20, 100}};
        QTest::newRow("a single sample") << single << searchAt(50, 1) << QStringList{"1: 100@5,10,20 n1 s10-10 l5-5 b20-20"};
        QTest::newRow("a single sample below the least size") << single << searchAt(50, 2) << QStringList{};
        QTest::newRow("below the level") << single << searchAt(101, 1) << QStringList{};

        // (5,10,20) and (5,11,21) share an edge, not a face
        QTest::newRow("touching by an edge")
            << QList<Sample>{{5, 10, 20, 100}, {5, 11, 21, 90}} << searchAt(50, 1)
            << QStringList{"1: 100@5,10,20 n1 s10-10 l5-5 b20-20", "2: 90@5,11,21 n1 s11-11 l5-5 b21-21"};
        QTest::newRow("joined by a face between")
            << QList<Sample>{{5, 10, 20, 100}, {5, 11, 21, 90}, {5, 10, 21, 60}} << searchAt(50, 1)
            << QStringList{"1: 100@5,10,20 n3 s10-11 l5-5 b20-21"};
        QTest::newRow("across layers")
            << QList<Sample>{{5, 10, 20, 70}, {6, 10, 20, 80}, {7, 10, 20, 75}} << searchAt(50, 1)
            << QStringList{"1: 80@6,10,20 n3 s10-10 l5-7 b20-20"};

        // equal peaks: within a region the lowest byte, between regions the lowest layer first
        QTest::newRow("peak ties")
            << QList<Sample>{{7, 2, 10, 90}, {7, 2, 11, 40}, {6, 30, 101, 90}, {6, 30, 100, 90}} << searchAt(30, 2)
            << QStringList{"1: 90@6,30,100 n2 s30-30 l6-6 b100-101", "2: 90@7,2,10 n2 s2-2 l7-7 b10-11"};
        QTest::newRow("larger peak first")
            << QList<Sample>{{3, 5, 50, 60}, {20, 30, 90, 120}} << searchAt(50, 1)
            << QStringList{"1: 120@20,30,90 n1 s30-30 l20-20 b90-90", "2: 60@3,5,50 n1 s5-5 l3-3 b50-50"};

        // gate rows 34..37 look at trace bytes 35..38
        QList<Sample> column;
        for (int byte = 30; byte <= 40; ++byte)
            column.append({5, 10, byte, 60 + byte});
        IndicationSearch gated = searchAt(50, 1);
        gated.topBorder = 34;
        gated.bottomBorder = 37;
        QTest::newRow("cut by the gate") << column << gated << QStringList{"1: 98@5,10,38 n4 s10-10 l5-5 b35-38"};

        QList<Sample> across;
        for (int layer = 4; layer <= 8; ++layer)
            across.append({layer, 10, 50, 60 + layer});
        IndicationSearch layers = searchAt(50, 1);
        layers.firstLayer = 5;
        layers.lastLayer = 6;
        QTest::newRow("cut by the shown layers") << across << layers << QStringList{"1: 66@6,10,50 n2 s10-10 l5-6 b50-50"};

        // the gate's rows 0..127 are trace bytes 1..127: byte 0 is never looked at
        QTest::newRow("slices 0 and 39 are looked at, trace byte 0 is not")
            << QList<Sample>{{1, 0, 1, 200}, {24, 39, 127, 201}, {3, 3, 0, 250}} << searchAt(50, 1)
            << QStringList{"1: 201@24,39,127 n1 s39-39 l24-24 b127-127", "2: 200@1,0,1 n1 s0-0 l1-1 b1-1"};
        // The depth scale of a blank header is 20 mm per 16 bytes: byte 16 is
        // 20 mm deep, DAC 50, and -6 dB of it 25.06; byte 2 is 2.5 mm deep,
        // DAC 100 - 50 x 2.5 / 20 = 93.75, and -6 dB of it 46.99.
        const char *sloped = "0:100,20:50";
        QTest::newRow("against the DAC, deep") << QList<Sample>{{5, 10, 16, 30}} << searchAgainstDac(sloped, -6)
                                               << QStringList{"1: 30@5,10,16 n1 s10-10 l5-5 b16-16"};
        QTest::newRow("against the DAC, the same value shallow")
            << QList<Sample>{{5, 10, 2, 30}} << searchAgainstDac(sloped, -6) << QStringList{};
        QTest::newRow("against the DAC, at its level and just below")
            << QList<Sample>{{5, 10, 16, 26}, {9, 10, 16, 25}, {12, 10, 2, 47}, {14, 10, 2, 46}}
            << searchAgainstDac(sloped, -6)
            << QStringList{"1: 47@12,10,2 n1 s10-10 l12-12 b2-2", "2: 26@5,10,16 n1 s10-10 l5-5 b16-16"};
    }
    void regionsArePeaksOfFaceConnectedSamples()
    {
        QFETCH(QList<Sample>, samples);
        QFETCH(IndicationSearch, search);
        QFETCH(QStringList, expected);
        const auto volume = volumeWith(samples);
        QCOMPARE(describedAll(findIndications(*volume, search)), expected);
    }

    // Peak 100 with 85 and 60 beside it: at 6 dB the drop keeps 51 and up
    // (100 x 10^(-6/20) = 50.1, so the 50 in slice 9 stays out), at 12 dB 26
    // and up (25.1), so it reaches the 60 and then the 49 that the region of
    // level 80 leaves out.
    void theDropExtentGrowsFromThePeak_data()
    {
        QTest::addColumn<double>("dropDb");
        QTest::addColumn<int>("byteFirst");
        QTest::addColumn<int>("byteLast");
        QTest::addColumn<int>("sliceFirst");
        QTest::addColumn<int>("sliceLast");
        QTest::newRow("6 dB") << 6.0 << 19 << 21 << 10 << 10;
        QTest::newRow("12 dB") << 12.0 << 19 << 22 << 9 << 11;
        QTest::newRow("20 dB: 10 and up") << 20.0 << 18 << 22 << 9 << 11;
    }
    void theDropExtentGrowsFromThePeak()
    {
        QFETCH(double, dropDb);
        QFETCH(int, byteFirst);
        QFETCH(int, byteLast);
        QFETCH(int, sliceFirst);
        QFETCH(int, sliceLast);
        const auto volume = volumeWith({{5, 10, 18, 10}, {5, 10, 19, 85}, {5, 10, 20, 100}, {5, 10, 21, 60},
                                        {5, 10, 22, 49}, {5, 11, 22, 30}, {5, 9, 20, 50}});
        IndicationSearch search = searchAt(80, 2);
        search.dropDb = dropDb;
        const std::vector<Indication> found = findIndications(*volume, search);
        QCOMPARE(found.size(), std::size_t(1));
        QCOMPARE(found[0].region, (SampleBox{10, 10, 5, 5, 19, 20}));
        QCOMPARE(found[0].drop, (SampleBox{sliceFirst, sliceLast, 5, 5, byteFirst, byteLast}));
    }

    void anAddedIndicationIsTheDropRegionOfItsSample()
    {
        const auto volume = volumeWith({{5, 10, 19, 85}, {5, 10, 20, 100}, {5, 10, 21, 60}});
        const auto added = indicationAt(*volume, searchAt(80, 2), {5, 10, 21});
        QVERIFY(added);
        QVERIFY(added->added);
        QCOMPARE(added->peak, 60);
        // 60 x 10^(-6/20) = 30.07: 85 and 100 are within the drop
        QCOMPARE(added->drop, (SampleBox{10, 10, 5, 5, 19, 21}));
        QVERIFY(!indicationAt(*volume, searchAt(80, 2), {5, 10, 30}));
    }

    // Peak 100 at trace byte 20 of slice 10 (shown as 11), drop over bytes
    // 19..21; T = 10, pitches 2 and 3 mm, reference 50.
    void theTableGivesMillimetresAndDecibels()
    {
        const auto volume = volumeWith({{5, 10, 19, 85}, {5, 10, 20, 100}, {5, 10, 21, 60}});
        IndicationScale scale;
        scale.depthScale = 10;
        scale.probe = {2.0, 3.0};
        scale.reference = 50;
        const QJsonObject row = indicationObject(findIndications(*volume, searchAt(50, 2)).at(0), scale);
        QCOMPARE(row.value("peak_percent").toDouble(), 78.7);       // 100 / 127
        QCOMPARE(row.value("peak_db").toDouble(), -2.1);            // 20 log10(100 / 127) = -2.08
        QCOMPARE(row.value("peak_delta_db").toDouble(), 6.0);       // 20 log10(100 / 50) = 6.02
        QCOMPARE(row.value("peak_slice").toInt(), 11);
        QCOMPARE(row.value("peak_depth_mm").toDouble(), 12.5);      // 20 x 10 / 16
        QCOMPARE(row.value("depth_first_mm").toDouble(), 11.875);   // 19 x 10 / 16
        QCOMPARE(row.value("height_mm").toDouble(), 1.875);         // 3 bytes x 10 / 16
        QCOMPARE(row.value("length_mm").toDouble(), 2.0);           // 1 slice x 2
        QCOMPARE(row.value("width_mm").toDouble(), 3.0);            // 1 layer x 3
        QCOMPARE(indicationFrom(row)->drop, (SampleBox{10, 10, 5, 5, 19, 21}));
        scale.probe = {};
        const QJsonObject unknown = indicationObject(findIndications(*volume, searchAt(50, 2)).at(0), scale);
        QVERIFY(unknown.value("length_mm").isNull());
        QVERIFY(unknown.value("width_mm").isNull());
    }

    // Cells of 4 x 3 pixels; the drop extent covers slices 10..11, layers
    // 23..24 and trace bytes 20..21. View X lays out layers across and depth
    // rows (byte - 1) down, view Y slices across, view Z slices across and
    // layers down.
    void theOutlineCoversTheCellsTheSliceCuts_data()
    {
        QTest::addColumn<int>("axis");
        QTest::addColumn<int>("at");  // slice (X), layer (Y) or depth position (Z)
        QTest::addColumn<bool>("gateMaximum");
        QTest::addColumn<QRect>("outline");
        QTest::newRow("X through slice 10") << int(SliceAxis::X) << 10 << false << QRect(QPoint(88, 57), QPoint(95, 62));
        QTest::newRow("X past the extent") << int(SliceAxis::X) << 12 << false << QRect();
        QTest::newRow("Y through layer 24") << int(SliceAxis::Y) << 24 << false << QRect(QPoint(40, 57), QPoint(47, 62));
        QTest::newRow("Z at byte 21") << int(SliceAxis::Z) << 21 << false << QRect(QPoint(40, 66), QPoint(47, 71));
        QTest::newRow("Z above the extent") << int(SliceAxis::Z) << 5 << false << QRect();
        QTest::newRow("Z gate maximum") << int(SliceAxis::Z) << 5 << true << QRect(QPoint(40, 66), QPoint(47, 71));
    }
    void theOutlineCoversTheCellsTheSliceCuts()
    {
        QFETCH(int, axis);
        QFETCH(int, at);
        QFETCH(bool, gateMaximum);
        QFETCH(QRect, outline);
        Indication indication;
        indication.number = 3;
        indication.drop = {10, 11, 23, 24, 20, 21};
        ViewState view;
        view.axis = SliceAxis(axis);
        view.slice = view.axis == SliceAxis::X ? at : 0;
        view.layer = view.axis == SliceAxis::Y ? at : 1;
        view.depth = view.axis == SliceAxis::Z ? at : 1;
        view.showGateMaximum = gateMaximum;
        SliceGeometry geometry;
        geometry.cell_width = 4;
        geometry.cell_height = 3;
        const std::vector<IndicationMark> marks = indicationMarks({indication}, view, geometry);
        QCOMPARE(marks.empty(), outline.isNull());
        if (!marks.empty()) {
            QCOMPARE(marks[0].outline, outline);
            QCOMPARE(marks[0].number, 3);
        }
    }
};

QTEST_GUILESS_MAIN(IndicationsTest)
#include "indications_test.moc"
