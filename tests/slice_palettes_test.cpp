// The palettes worked out by hand: grey level g is the strength
// (255 - g) / 255, amplitude runs white, blue, green, yellow, red at
// strengths 0, 1/4, 1/2, 3/4 and 1, hot black, red, yellow, white at 0, 1/3,
// 2/3 and 1, straight between them and rounded.

#include "slice_palettes.h"

#include <QSet>
#include <QTest>

Q_DECLARE_METATYPE(SlicePalette)

class SlicePalettesTest : public QObject {
    Q_OBJECT

private slots:
    void eachGreyLevelHasItsColour_data()
    {
        QTest::addColumn<SlicePalette>("palette");
        QTest::addColumn<int>("grey");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("amplitude, no echo") << SlicePalette::Amplitude << 255 << QColor(255, 255, 255);
        // strength 63/255 is 0.988 of the way from white to blue
        QTest::newRow("amplitude, just before blue") << SlicePalette::Amplitude << 192 << QColor(3, 3, 255);
        // strength 64/255 is 0.004 of the way from blue to green
        QTest::newRow("amplitude, just after blue") << SlicePalette::Amplitude << 191 << QColor(0, 1, 254);
        QTest::newRow("amplitude, the strongest") << SlicePalette::Amplitude << 0 << QColor(255, 0, 0);
        QTest::newRow("hot, no echo") << SlicePalette::Hot << 255 << QColor(0, 0, 0);
        QTest::newRow("hot, red") << SlicePalette::Hot << 170 << QColor(255, 0, 0);
        QTest::newRow("hot, the strongest") << SlicePalette::Hot << 0 << QColor(255, 255, 255);
        QTest::newRow("grey") << SlicePalette::Grey << 77 << QColor(77, 77, 77);
    }
    void eachGreyLevelHasItsColour()
    {
        QFETCH(SlicePalette, palette);
        QFETCH(int, grey);
        QFETCH(QColor, colour);
        QCOMPARE(QColor::fromRgb(paletteColours(palette)[static_cast<std::size_t>(grey)]), colour);
    }

    void noTwoGreyLevelsShareAColour_data()
    {
        QTest::addColumn<SlicePalette>("palette");
        QTest::newRow("amplitude") << SlicePalette::Amplitude;
        QTest::newRow("hot") << SlicePalette::Hot;
    }
    void noTwoGreyLevelsShareAColour()
    {
        QFETCH(SlicePalette, palette);
        const auto &colours = paletteColours(palette);
        const QSet<QRgb> distinct(colours.begin(), colours.end());
        QCOMPARE(distinct.size(), 256);
    }

    // Blue, green, red in memory: a grey pixel, the cursor cell's light red,
    // and white outside the area. Hot gives grey 191 (strength 64/255, 0.753
    // of the way from black to red) (192, 0, 0), and would give white black.
    void onlyGreyPixelsOfTheAreaAreColouredAndGreyLeavesEveryByte()
    {
        QImage picture(3, 1, QImage::Format_BGR888);
        const uchar bytes[] = {191, 191, 191, 64, 64, 255, 255, 255, 255};
        std::copy(std::begin(bytes), std::end(bytes), picture.scanLine(0));
        QImage grey = picture;
        applyPalette(grey, SlicePalette::Grey, grey.rect());
        QCOMPARE(grey, picture);
        applyPalette(picture, SlicePalette::Hot, QRect(0, 0, 2, 1));
        const uchar *pixel = picture.constScanLine(0);
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(pixel), 9),
                 QByteArray("\x00\x00\xc0\x40\x40\xff\xff\xff\xff", 9));
    }
};

QTEST_GUILESS_MAIN(SlicePalettesTest)
#include "slice_palettes_test.moc"
