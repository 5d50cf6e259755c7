#include "bottom_panel_layout.h"
#include "checked.h"
#include "main_layout.h"

#include <QTest>

class MainLayoutTest : public QObject {
    Q_OBJECT

private slots:
    void designSize()
    {
        const MainLayout layout = computeMainLayout(QSize(796, 648));
        QCOMPARE(layout.panel1.left(), 580);
        QCOMPARE(layout.panel1.height(), 590);
        QCOMPARE(layout.panel9.width(), 580);
        QCOMPARE(layout.panel9.top(), 556);
        QCOMPARE(layout.panel5, QRect(1, 33, 579, 522));
        QCOMPARE(layout.panel3.left(), 592);
        QCOMPARE(layout.panel4.left(), 790);
        QCOMPARE(layout.panel8Height, 502);
        QCOMPARE(layout.image8Height, 500);
        QCOMPARE(layout.image7Width, 577);
        QCOMPARE(int(layout.area3dBottom), 68);
        QCOMPARE(int(layout.area3dWidth), 580);
        QCOMPARE(int(layout.area3dHeight), 547);
    }

    // The bottom panel at the design width with texts that fit the design's
    // widths keeps the design; wider, the spare width goes to the cursor's
    // scroll bars and moves what lies right of them.
    void bottomPanel_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("longerTexts");
        QTest::addColumn<QRect>("depthBar");
        QTest::addColumn<QRect>("depthReadout");
        QTest::addColumn<QRect>("depthKey");
        QTest::addColumn<QRect>("switchGroup");
        QTest::addColumn<QRect>("topSlider");
        QTest::addColumn<QRect>("lastReadout");
        QTest::newRow("design") << 580 << 0 << QRect(34, 44, 58, 16) << QRect(94, 44, 52, 16)
                                << QRect(146, 44, 28, 16) << QRect(464, 2, 114, 64) << QRect(4, 14, 86, 16)
                                << QRect(260, 44, 22, 16);
        QTest::newRow("200 wider") << 780 << 0 << QRect(34, 44, 258, 16) << QRect(294, 44, 52, 16)
                                   << QRect(346, 44, 28, 16) << QRect(664, 2, 114, 64) << QRect(4, 14, 86, 16)
                                   << QRect(260, 44, 22, 16);
        // both read-outs 6 wider and the switches 11 wider take 23 from the
        // two sliders: 171 shared 86 to 108 gives 75 and 96
        QTest::newRow("longer texts") << 580 << 1 << QRect(34, 44, 58, 16) << QRect(94, 44, 58, 16)
                                      << QRect(152, 44, 28, 16) << QRect(453, 2, 125, 64)
                                      << QRect(4, 14, 75, 16) << QRect(243, 44, 22, 16);
    }
    void bottomPanel()
    {
        QFETCH(int, width);
        QFETCH(int, longerTexts);
        QFETCH(QRect, depthBar);
        QFETCH(QRect, depthReadout);
        QFETCH(QRect, depthKey);
        QFETCH(QRect, switchGroup);
        QFETCH(QRect, topSlider);
        QFETCH(QRect, lastReadout);
        BottomPanelTextWidths texts{71, 101, 50, 15, 49, 28, 24, 97};
        if (longerTexts) {
            texts.depthReadout = 60;
            texts.cursorReadout = 58;
            texts.switches = 122;
        }
        const BottomPanelLayout layout = layoutBottomPanel(width, texts);
        QCOMPARE(layout.cursor[2].scrollBar, depthBar);
        QCOMPARE(layout.cursor[2].readout, depthReadout);
        QCOMPARE(layout.cursor[2].keyLabel, depthKey);
        QCOMPARE(layout.switchGroup, switchGroup);
        QCOMPARE(layout.borders[0].slider, topSlider);
        QCOMPARE(layout.layers[1].readout, lastReadout);
        QCOMPARE(layout.switchGroup.right() + 1 + 2, width);  // the groups fill the panel
    }

    void areaThatDoesNotFitSixteenBitsIsAnError_data()
    {
        QTest::addColumn<QSize>("client");
        QTest::newRow("too low") << QSize(796, 100);
        QTest::newRow("too narrow") << QSize(200, 648);
        QTest::newRow("too wide") << QSize(65536 + 216, 648);
    }
    void areaThatDoesNotFitSixteenBitsIsAnError()
    {
        QFETCH(QSize, client);
        QVERIFY_THROWS_EXCEPTION(RangeError, computeMainLayout(client));
    }
};

QTEST_APPLESS_MAIN(MainLayoutTest)
#include "main_layout_test.moc"
