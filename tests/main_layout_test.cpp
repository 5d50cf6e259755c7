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
