#include "cli_run.h"

#include <QDir>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>

class CliPrintTest : public QObject {
    Q_OBJECT

private:
    CliFolder folder_;

    CliOutcome print(const QStringList &options, const QString &output)
    {
        return runCli(QStringList{"print", qEnvironmentVariable("VELMORA_SAMPLE_SCAN")} + options
                      + QStringList{"--output", folder_.path(output)});
    }

private slots:
    void aPageOfTheGivenPixels()
    {
        QCOMPARE(print({"--view", "y", "--layer", "12", "--page", "1200x1700"}, "plain.png").status, 0);
        const QImage plain(folder_.path("plain.png"));
        QCOMPARE(plain.size(), QSize(1200, 1700));
        QCOMPARE(plain.pixelColor(5, 5), QColor(Qt::white));
        QCOMPARE(print({"--view", "y", "--layer", "12", "--page", "1200x1700", "--info"}, "info.png").status, 0);
        QVERIFY(QImage(folder_.path("info.png")) != plain);
        QCOMPARE(print({"--view", "y", "--layer", "12", "--page", "1200x1700", "--margins", "10,3,3,3"}, "wide.png")
                     .status,
                 0);
        const QImage wide(folder_.path("wide.png"));
        for (int y = 0; y < 1700; y += 13)
            for (int x = 0; x < 120; x += 5)
                QCOMPARE(wide.pixelColor(x, y), QColor(Qt::white));
    }

    // Grey is the printed page byte for byte; amplitude colours the cells
    // (the sample's weak echoes become the blues between white and blue),
    // and leaves the white of the margins and of no echo as it is.
    void aPaletteColoursThePrintedCells()
    {
        const QStringList options{"--view", "y", "--layer", "12", "--page", "1200x1700"};
        QCOMPARE(print(options, "plain.png").status, 0);
        QCOMPARE(print(options + QStringList{"--palette", "grey"}, "grey.png").status, 0);
        QCOMPARE(print(options + QStringList{"--palette", "amplitude"}, "amplitude.png").status, 0);
        QCOMPARE(folder_.read("grey.png"), folder_.read("plain.png"));
        const QImage plain(folder_.path("plain.png"));
        const QImage amplitude(folder_.path("amplitude.png"));
        int coloured = 0;
        for (int y = 0; y < plain.height(); y += 7) {
            for (int x = 0; x < plain.width(); x += 7) {
                const QColor before = plain.pixelColor(x, y);
                const QColor after = amplitude.pixelColor(x, y);
                const bool grey = before.red() == before.green() && before.green() == before.blue();
                if (grey && before != Qt::white && before != Qt::black)
                    coloured += after.blue() > after.red();
                else if (before != Qt::black)  // black: the lines and the strongest cells, red in amplitude
                    QCOMPARE(after, before);
            }
        }
        QVERIFY2(coloured > 1000, qPrintable(QString::number(coloured)));
    }

    void aPdfOfOnePage()
    {
        QCOMPARE(print({"--smoothing"}, "page.pdf").status, 0);
        QVERIFY(QFileInfo(folder_.path("page.pdf")).size() > 10000);
        if (QStandardPaths::findExecutable(QStringLiteral("pdftocairo")).isEmpty())
            QSKIP("pdftocairo (poppler-utils) is not installed");
        QProcess::execute(QStringLiteral("pdftocairo"),
                          {QStringLiteral("-r"), QStringLiteral("30"), QStringLiteral("-png"), folder_.path("page.pdf"),
                           folder_.path("sheet")});
        QCOMPARE(QDir(folder_.path(".")).entryList({QStringLiteral("sheet*.png")}).size(), 1);
    }

    // The PDF holds the page bitmap itself: pdfimages gives back every pixel
    // of the PNG the same call writes, from a Flate stream, not a JPEG.
    void aPdfHoldsThePageLosslessly()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdfimages")).isEmpty())
            QSKIP("pdfimages (poppler-utils) is not installed");
        const QStringList page{"--view", "y", "--layer", "12", "--info", "--page", "1200x1700"};
        QCOMPARE(print(page, "lossless.png").status, 0);
        QCOMPARE(print(page, "lossless.pdf").status, 0);
        QProcess list;
        list.start(QStringLiteral("pdfimages"), {QStringLiteral("-list"), folder_.path("lossless.pdf")});
        QVERIFY(list.waitForFinished());
        const QStringList rows = QString::fromLatin1(list.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(rows.size(), 3);  // two heading lines, one image
        const QStringList columns = rows[2].simplified().split(' ');
        QCOMPARE(columns.value(8), QStringLiteral("image"));  // the "enc" column: Flate, not "jpeg"
        QCOMPARE(QProcess::execute(QStringLiteral("pdfimages"),
                                   {QStringLiteral("-png"), folder_.path("lossless.pdf"), folder_.path("extracted")}),
                 0);
        const QImage extracted = QImage(folder_.path("extracted-000.png")).convertToFormat(QImage::Format_RGB888);
        QCOMPARE(extracted, QImage(folder_.path("lossless.png")).convertToFormat(QImage::Format_RGB888));
    }

    // The zlib stream of a PNG names its level in bits 6-7 of its second
    // byte: 0 for the fastest.
    void aPngIsCompressedAtTheFastestLevel()
    {
        QCOMPARE(print({"--page", "1200x1700"}, "fast.png").status, 0);
        const QByteArray png = folder_.read("fast.png");
        const qsizetype data = png.indexOf("IDAT");
        QVERIFY(data > 0);
        const auto flags = static_cast<uint8_t>(png.at(data + 5));
        QCOMPARE(flags >> 6, 0);
    }

    void refusals_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QString>("output");
        QTest::newRow("margin out of range") << QStringList{"--margins", "0,3,3,3"} << "x.png";
        QTest::newRow("three margins") << QStringList{"--margins", "3,3,3"} << "x.png";
        QTest::newRow("unknown output") << QStringList{} << "x.bmp";
        QTest::newRow("bad page") << QStringList{"--page", "A4"} << "x.png";
    }
    void refusals()
    {
        QFETCH(QStringList, options);
        QFETCH(QString, output);
        QCOMPARE(print(options, output).status, 2);
    }
};

QTEST_GUILESS_MAIN(CliPrintTest)
#include "cli_print_test.moc"
