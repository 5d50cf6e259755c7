#include "native_path.h"

#include <QTest>

class NativePathTest : public QObject {
    Q_OBJECT

private slots:
    // Every name goes back to the same bytes; a valid UTF-8 name reads as
    // Qt reads it, and no byte of any name turns into U+FFFD.
    void namesGoBackToTheirBytes_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("utf8");
        QTest::newRow("ASCII") << QByteArray("/scans/plate 1.vlm") << true;
        QTest::newRow("UTF-8") << QByteArray("/scans/pl\xc3\xa4tte.vlm") << true;
        QTest::newRow("outside the BMP") << QByteArray("\xf0\x9f\x98\x80.vlm") << true;
        QTest::newRow("Latin-1") << QByteArray("/scans/pl\xe4tte.vlm") << false;
        QTest::newRow("overlong slash") << QByteArray("a\xc0\xaf" "b") << false;
        QTest::newRow("overlong slash, three bytes") << QByteArray("a\xe0\x80\xaf" "b") << false;
        QTest::newRow("encoded surrogate") << QByteArray("\xed\xa0\x80.vlm") << false;
        QTest::newRow("beyond U+10FFFF") << QByteArray("\xf4\x90\x80\x80") << false;
        QTest::newRow("cut short") << QByteArray("x\xe2\x82") << false;
        QTest::newRow("stray byte after a pair") << QByteArray("\xf0\x9f\x98\x80\xff") << false;
        QTest::newRow("stray continuation bytes") << QByteArray("\x80\xbf\xfe") << false;
    }
    void namesGoBackToTheirBytes()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, utf8);
        const QString name = pathFromNative(bytes);
        QCOMPARE(nativePath(name), bytes);
        QVERIFY(!name.contains(QChar(0xFFFD)));
        QCOMPARE(name == QString::fromUtf8(bytes), utf8);
        QCOMPARE(reachableByQt(name), utf8);
    }
};

QTEST_GUILESS_MAIN(NativePathTest)
#include "native_path_test.moc"
