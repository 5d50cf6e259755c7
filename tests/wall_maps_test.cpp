#include "scan_comparison.h"
#include "wall_thickness.h"

#include "volume_with_samples.h"

#include <QTest>

#include <memory>

namespace {

// Depth scale code 2: T = 100 mm per 16 trace bytes, 6.25 mm a byte.
constexpr uint8_t kDepthScaleCode = 2;

ThicknessSearch searchOf(int firstLayer, int lastLayer, int level, EchoMode mode, int bottomBorder = 127)
{
    ThicknessSearch search;
    search.gate = {0, bottomBorder, firstLayer, lastLayer};
    search.level = level;
    search.mode = mode;
    return search;
}

// "min MM@LAYER,SLICE max MM mean MM no echo N loss %", the slice as shown (1..40).
QString described(const ThicknessFigures &figures)
{
    if (!figures.minMm)
        return QStringLiteral("no echo %1").arg(figures.noEcho);
    return QStringLiteral("min %1@%2,%3 max %4 mean %5 no echo %6 loss %7")
        .arg(*figures.minMm)
        .arg(figures.minAt.layer)
        .arg(figures.minAt.slice + 1)
        .arg(*figures.maxMm)
        .arg(*figures.meanMm)
        .arg(figures.noEcho)
        .arg(figures.maxWallLossPercent ? QString::number(*figures.maxWallLossPercent) : QStringLiteral("-"));
}

QString deltaText(const std::optional<double> &db)
{
    return db ? QString::number(*db) : QStringLiteral("-");
}

// "max DB@LAYER,SLICE min DB@LAYER,SLICE mean DB | the differences of layer 2's first four slices".
QString described(const ScanComparison &comparison)
{
    const ComparisonFigures figures = comparisonFigures(comparison);
    QStringList firstDeltas;
    for (int i = 0; i < 4; ++i)
        firstDeltas << deltaText(comparison.traces[static_cast<std::size_t>(i)].deltaDb);
    const auto extreme = [](const std::optional<TraceComparison> &trace) {
        return trace ? QStringLiteral("%1@%2,%3").arg(*trace->deltaDb).arg(trace->at.layer).arg(trace->at.slice + 1)
                     : QStringLiteral("-");
    };
    return QStringLiteral("max %1 min %2 mean %3 | %4")
        .arg(extreme(figures.largest), extreme(figures.smallest), deltaText(figures.meanDb),
             firstDeltas.join(QLatin1Char(',')));
}

// Layer 2, slice 0: an echo of 80 at byte 20 (125 mm) and one of 120 at byte 50 (312.5 mm).
const QList<Sample> kTwoEchoes{{2, 0, 20, 80}, {2, 0, 50, 120}};

}  // namespace

Q_DECLARE_METATYPE(QList<Sample>)
Q_DECLARE_METATYPE(ThicknessSearch)

class WallMapsTest : public QObject {
    Q_OBJECT

private slots:
    // Layers 2..2 hold 40 traces; every trace without a sample is one without echo.
    void thicknessFigures_data()
    {
        QTest::addColumn<QList<Sample>>("samples");
        QTest::addColumn<ThicknessSearch>("search");
        QTest::addColumn<double>("nominal");  // 0: none
        QTest::addColumn<QString>("expected");

        const ThicknessSearch peak = searchOf(2, 2, 64, EchoMode::Peak);
        const ThicknessSearch flank = searchOf(2, 2, 64, EchoMode::Flank);
        // bytes 40, 36, 32: 250, 225 and 200 mm; the mean 225; against 250 mm the wall lost 20 %
        QTest::newRow("a wall that thins")
            << QList<Sample>{{2, 0, 40, 100}, {2, 1, 36, 100}, {2, 2, 32, 100}} << peak << 250.0
            << "min 200@2,3 max 250 mean 225 no echo 37 loss 20";
        QTest::newRow("a trace without echo: its sample stays below the level")
            << QList<Sample>{{2, 0, 40, 63}} << peak << 250.0 << "no echo 40";
        QTest::newRow("without a nominal wall no wall loss")
            << QList<Sample>{{2, 4, 40, 100}} << peak << 0.0 << "min 250@2,5 max 250 mean 250 no echo 39 loss -";

        QTest::newRow("two echoes, peak: the larger") << kTwoEchoes << peak << 0.0
                                                       << "min 312.5@2,1 max 312.5 mean 312.5 no echo 39 loss -";
        QTest::newRow("two echoes, flank: the first to reach the level")
            << kTwoEchoes << flank << 0.0 << "min 125@2,1 max 125 mean 125 no echo 39 loss -";
        QTest::newRow("two echoes, flank at the first echo's own value")
            << kTwoEchoes << searchOf(2, 2, 80, EchoMode::Flank) << 0.0
            << "min 125@2,1 max 125 mean 125 no echo 39 loss -";
        QTest::newRow("two echoes, flank above the first echo")
            << kTwoEchoes << searchOf(2, 2, 100, EchoMode::Flank) << 0.0
            << "min 312.5@2,1 max 312.5 mean 312.5 no echo 39 loss -";
        QTest::newRow("two echoes, peak at the level itself")
            << kTwoEchoes << searchOf(2, 2, 120, EchoMode::Peak) << 0.0
            << "min 312.5@2,1 max 312.5 mean 312.5 no echo 39 loss -";
        QTest::newRow("two echoes, peak below the level") << kTwoEchoes << searchOf(2, 2, 121, EchoMode::Peak) << 0.0
                                                          << "no echo 40";
        QTest::newRow("peak: the shallowest of equal samples")
            << QList<Sample>{{2, 0, 45, 120}, {2, 0, 30, 120}} << peak << 0.0
            << "min 187.5@2,1 max 187.5 mean 187.5 no echo 39 loss -";
        // border row 40 is trace byte 41, the last the gate reads
        QTest::newRow("the gate ends at byte bottom + 1")
            << QList<Sample>{{2, 0, 41, 90}, {2, 0, 42, 120}} << searchOf(2, 2, 64, EchoMode::Peak, 40) << 0.0
            << "min 256.25@2,1 max 256.25 mean 256.25 no echo 39 loss -";

        // byte 20 (125 mm) in three traces: the first by layer, then slice, is layer 2, slice 31
        QTest::newRow("the first minimum among equal ones")
            << QList<Sample>{{3, 5, 20, 90}, {2, 35, 20, 90}, {2, 30, 20, 90}, {2, 10, 30, 90}}
            << searchOf(2, 3, 64, EchoMode::Peak) << 250.0 << "min 125@2,31 max 187.5 mean 140.625 no echo 76 loss 50";
    }

    void thicknessFigures()
    {
        QFETCH(QList<Sample>, samples);
        QFETCH(ThicknessSearch, search);
        QFETCH(double, nominal);
        QFETCH(QString, expected);
        const auto volume = volumeWith(samples, kDepthScaleCode);
        const ThicknessMap map = thicknessMap(*volume, search);
        QCOMPARE(map.traces.size(), std::size_t((search.gate.lastLayer - search.gate.firstLayer + 1) * 40));
        QCOMPARE(described(::thicknessFigures(map, nominal > 0 ? std::optional(nominal) : std::nullopt)), expected);
    }

    // Layers 2..3. 20 log10(120 / 60) = 6.02, 20 log10(30 / 120) = -12.04;
    // where either gate maximum is 0 there is no difference.
    void comparisonFigures_data()
    {
        QTest::addColumn<QList<Sample>>("a");
        QTest::addColumn<QList<Sample>>("b");
        QTest::addColumn<QString>("expected");

        QTest::newRow("stronger in A, stronger in B, a zero maximum in each")
            << QList<Sample>{{2, 0, 10, 120}, {2, 1, 70, 30}, {2, 3, 5, 90}}
            << QList<Sample>{{2, 0, 90, 60}, {2, 1, 20, 120}, {2, 2, 50, 50}}
            << "max 6@2,1 min -12@2,2 mean -3 | 6,-12,-,-";
        // 100 / 50 and 60 / 30 both give 6.02 dB: the first by layer, then slice, is layer 2, slice 10
        QTest::newRow("the first of equal differences")
            << QList<Sample>{{3, 1, 10, 100}, {2, 9, 10, 60}} << QList<Sample>{{3, 1, 10, 50}, {2, 9, 10, 30}}
            << "max 6@2,10 min 6@2,10 mean 6 | -,-,-,-";
        QTest::newRow("nothing in B") << QList<Sample>{{2, 0, 10, 120}} << QList<Sample>{}
                                      << "max - min - mean - | -,-,-,-";
    }

    void comparisonFigures()
    {
        QFETCH(QList<Sample>, a);
        QFETCH(QList<Sample>, b);
        QFETCH(QString, expected);
        const auto scanA = volumeWith(a, kDepthScaleCode);
        const auto scanB = volumeWith(b, kDepthScaleCode);
        QCOMPARE(described(compareScans(*scanA, *scanB, {0, 127, 2, 3})), expected);
    }
};

QTEST_GUILESS_MAIN(WallMapsTest)
#include "wall_maps_test.moc"
