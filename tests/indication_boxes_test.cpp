#include "indication_boxes.h"
#include "recording_d3d.h"

#include <QTest>

namespace {

Indication withDrop(int number, SampleBox drop)
{
    Indication indication;
    indication.number = number;
    indication.drop = drop;
    return indication;
}

}  // namespace

class IndicationBoxesTest : public QObject {
    Q_OBJECT

private slots:
    // Rows: slice s is held by rows (3s + 1) / 2 .. (3s + 2) / 2, two rows for
    // an even slice, one for an odd; pairs: byte b is in pair b / 2; planes
    // are the layers.
    void dropExtentsBecomeBoxesOfRowsPairsAndPlanes_data()
    {
        QTest::addColumn<std::vector<Indication>>("indications");
        QTest::addColumn<QString>("marks");
        QTest::newRow("none clears") << std::vector<Indication>{} << "";
        QTest::newRow("first slices, shallowest bytes")
            << std::vector<Indication>{withDrop(1, {0, 1, 1, 1, 0, 3})} << "0-2/0-1/1-1:1";
        QTest::newRow("two rows at each end")
            << std::vector<Indication>{withDrop(4, {16, 22, 9, 12, 61, 70})} << "24-34/30-35/9-12:4";
        QTest::newRow("two, in their order")
            << std::vector<Indication>{withDrop(1, {39, 39, 24, 24, 120, 127}), withDrop(2, {3, 5, 2, 7, 10, 10})}
            << "59-59/60-63/24-24:1 5-8/5-5/2-7:2";
    }

    void dropExtentsBecomeBoxesOfRowsPairsAndPlanes()
    {
        QFETCH(std::vector<Indication>, indications);
        QFETCH(QString, marks);
        RecordingD3d d3d;
        showIndicationBoxes(d3d.functions(), indications);
        QCOMPARE(d3d.marks(), QStringList{marks});
        QVERIFY(d3d.calls().isEmpty());
    }
};

QTEST_GUILESS_MAIN(IndicationBoxesTest)
#include "indication_boxes_test.moc"
