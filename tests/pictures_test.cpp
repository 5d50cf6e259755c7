#include "jpeg_picture.h"
#include "ruler_pictures.h"

#include <QBuffer>
#include <QFile>
#include <QTest>

class PicturesTest : public QObject {
    Q_OBJECT

private:
    static int tickLength(const QImage &picture, int along, bool upright)
    {
        int length = 0;
        while (length < 10) {
            const QPoint at = upright ? QPoint(9 - length, along) : QPoint(along, length);
            if (picture.pixel(at) != qRgb(0, 0, 0))
                break;
            ++length;
        }
        return length;
    }

private slots:
    void bundledPictureDecodes()
    {
        const QImage picture = aboutPicture();
        QCOMPARE(picture.size(), QSize(160, 120));
        // the steel block in the middle is grey, the sky above it light
        QVERIFY(qGray(picture.pixel(20, 5)) > qGray(picture.pixel(20, 60)));
    }

    void damagedJpegGivesNoPicture_data()
    {
        QTest::addColumn<QByteArray>("data");
        QFile file(QStringLiteral(":/pictures/about.jpg"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray jpeg = file.readAll();
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("not a JPEG") << QByteArray("VLMv1.0 and some more bytes");
        QTest::newRow("marker only") << jpeg.left(2);
        QTest::newRow("header cut") << jpeg.left(100);
    }
    void damagedJpegGivesNoPicture()
    {
        QFETCH(QByteArray, data);
        QVERIFY(decodeJpeg(data).isNull());
    }

    void truncatedScanDataStillDecodes()
    {
        QFile file(QStringLiteral(":/pictures/about.jpg"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray jpeg = file.readAll();
        // libjpeg fills what is missing of the scan and warns; the picture keeps its size
        QCOMPARE(decodeJpeg(jpeg.left(jpeg.size() * 2 / 3)).size(), QSize(160, 120));
    }

    void horizontalScaleTicks_data()
    {
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("length");
        QTest::newRow("first minor") << 4 << 3;
        QTest::newRow("between ticks") << 5 << 0;
        QTest::newRow("minor") << 9 << 3;
        QTest::newRow("quarter, left column") << 24 << 6;
        QTest::newRow("quarter, right column") << 25 << 6;
        QTest::newRow("half, left column") << 49 << 7;
        QTest::newRow("half, right column") << 50 << 7;
        QTest::newRow("three quarters") << 175 << 6;
        QTest::newRow("last minor") << 199 << 3;
    }
    void horizontalScaleTicks()
    {
        QFETCH(int, x);
        QFETCH(int, length);
        const QImage picture = horizontalScalePicture();
        QCOMPARE(picture.size(), QSize(200, 10));
        QCOMPARE(tickLength(picture, x, false), length);
    }

    void verticalScaleTicks_data()
    {
        QTest::addColumn<int>("y");
        QTest::addColumn<int>("length");
        QTest::newRow("first minor") << 5 << 3;
        QTest::newRow("between ticks") << 6 << 0;
        QTest::newRow("minor") << 20 << 3;
        QTest::newRow("quarter") << 24 << 6;
        QTest::newRow("quarter, second row") << 25 << 6;
        QTest::newRow("minor after quarter") << 30 << 3;
        QTest::newRow("half") << 99 << 7;
        QTest::newRow("half, second row") << 100 << 7;
    }
    void verticalScaleTicks()
    {
        QFETCH(int, y);
        QFETCH(int, length);
        const QImage picture = verticalScalePicture();
        QCOMPARE(picture.size(), QSize(10, 200));
        QCOMPARE(tickLength(picture, y, true), length);
    }
};

QTEST_GUILESS_MAIN(PicturesTest)
#include "pictures_test.moc"
