// The trace plot drawn into an image: the gate band lies over the gate's
// rows, the reference line shows only with a reference, the peak is marked
// at the tip of its bar, the DAC and the lines below it stand at their
// amplitudes.

#include "trace_plot.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QTest>

namespace {

const QColor kGate(255, 236, 160);
const QColor kPeak(220, 0, 0);
const QColor kReference(160, 0, 160);
const QColor kTrace(0, 128, 0);
const QColor kDac(230, 110, 0);

QImage drawn(const TracePlot &plot)
{
    QImage image(208, 420, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    drawTracePlot(painter, image.rect(), plot);
    return image;
}

// The first and last pixel rows that hold the colour, and how many pixels do.
struct Extent {
    int first = -1;
    int last = -1;
    int pixels = 0;
};

Extent extentOf(const QImage &image, const QColor &colour)
{
    Extent extent;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == colour) {
                if (extent.first < 0)
                    extent.first = y;
                extent.last = y;
                ++extent.pixels;
            }
    return extent;
}

TracePlot plotWithGate(int firstByte, int lastByte)
{
    TracePlot plot;
    plot.gateFirst = firstByte;
    plot.gateLast = lastByte;
    plot.peak = {firstByte, 0};
    plot.cursorDepth = 0;
    return plot;
}

}  // namespace

class TracePlotTest : public QObject {
    Q_OBJECT

private slots:
    void gateBandCoversTheGateRows_data()
    {
        QTest::addColumn<int>("firstByte");
        QTest::addColumn<int>("lastByte");
        QTest::newRow("whole trace") << 1 << 128;
        QTest::newRow("upper half") << 1 << 64;
        QTest::newRow("a quarter below the middle") << 65 << 96;
        QTest::newRow("two rows") << 65 << 66;
    }

    void gateBandCoversTheGateRows()
    {
        QFETCH(int, firstByte);
        QFETCH(int, lastByte);
        // bytes 0..128 fill the graph's height: measure it on the gate of every byte
        const Extent all = extentOf(drawn(plotWithGate(0, 128)), kGate);
        const double rowHeight = (all.last - all.first + 1) / 129.0;
        const Extent gate = extentOf(drawn(plotWithGate(firstByte, lastByte)), kGate);
        QVERIFY(gate.pixels > 0);
        QVERIFY(qAbs(gate.first - (all.first + firstByte * rowHeight)) <= 1.5);
        QVERIFY(qAbs(gate.last + 1 - (all.first + (lastByte + 1) * rowHeight)) <= 1.5);
    }

    void marksAndTrace()
    {
        TracePlot plot = plotWithGate(20, 60);
        QCOMPARE(extentOf(drawn(plot), kReference).pixels, 0);
        QCOMPARE(extentOf(drawn(plot), kTrace).pixels, 0);
        plot.samples[40] = 100;
        plot.peak = {40, 100};
        plot.reference = 64;
        const QImage image = drawn(plot);
        QVERIFY(extentOf(image, kReference).pixels > 0);
        const Extent trace = extentOf(image, kTrace);
        const Extent peak = extentOf(image, kPeak);
        QVERIFY(trace.pixels > 0);
        // the bar of byte 40 and the circle round its tip lie on the same rows
        QVERIFY(peak.first <= trace.first && peak.last >= trace.last);
    }

    // The graph is 208 - 34 - 14 = 160 pixels wide from x = 34 for 0..100 %
    // of full scale (127). A flat DAC of 100 is 78.7 %, at x = 160.0; 6 dB
    // below it 39.5 % (x = 97.1), 12 dB below 19.8 % (x = 65.6).
    void theDacAndTheLinesBelowItStandAtTheirAmplitudes()
    {
        TracePlot plot = plotWithGate(20, 60);
        QCOMPARE(extentOf(drawn(plot), kDac).pixels, 0);
        plot.dac = DacCurve::through({{50.0, 100}});
        const QImage image = drawn(plot);
        QList<int> columns;
        for (int x = 0; x < image.width(); ++x) {
            bool holds = false;
            for (int y = 0; y < image.height() && !holds; ++y)
                holds = image.pixelColor(x, y) == kDac;
            if (holds && (columns.isEmpty() || x > columns.last() + 2))
                columns.append(x);
        }
        QCOMPARE(columns.size(), 3);
        const double expected[] = {65.6, 97.1, 160.0};
        for (int i = 0; i < 3; ++i)
            QVERIFY2(qAbs(columns[i] - expected[i]) <= 1.5, qPrintable(QStringLiteral("line at x = %1").arg(columns[i])));
    }

    // A reading wider than the plot goes on over another line instead of
    // being cut at the plot's edge: the readings take a line more, and the
    // graph above them gives up that room.
    void longReadingsWrapWithinThePlot()
    {
        const QString longest = QStringLiteral("\u0394 slice \u221211, \u0394 layer \u221223, \u0394 depth \u2212396.9 mm, "
                                               "distance 412.3 mm");
        TracePlot plot = plotWithGate(20, 128);
        plot.readings = {QStringLiteral("Gate peak at 396.9 mm"), QStringLiteral("no probe geometry: no distance")};
        const Extent oneLineEach = extentOf(drawn(plot), kGate);
        plot.readings.first() = longest;
        const QImage image = drawn(plot);
        QVERIFY(QFontMetrics(QFont()).horizontalAdvance(longest) > image.width());
        const Extent wrapped = extentOf(image, kGate);
        QVERIFY2(wrapped.last < oneLineEach.last,
                 qPrintable(QStringLiteral("graph foot at %1, %2 with short readings").arg(wrapped.last).arg(oneLineEach.last)));
    }
};

QTEST_MAIN(TracePlotTest)
#include "trace_plot_test.moc"
