#include "cli_run.h"

#include <QImage>
#include <QTest>

namespace {

// A scan of zeros but for a sample of 10 at depth row 100 of layer 24,
// slice 0, which the load-time smoothing leaves alone.
QByteArray scanWithDeepSample()
{
    QByteArray image(131072, '\0');
    image[5120 * 24 + 101] = 10;
    return scanFileOf(image);
}

// Tiles lie 8 pixels apart and from the edge; each is the 200 x 120
// thumbnail with a line of 16 pixels for the name 3 pixels below it.
QPoint tileOrigin(int index, int columns)
{
    return {8 + (index % columns) * 208, 8 + (index / columns) * 147};
}

}  // namespace

class CliContactSheetTest : public QObject {
    Q_OBJECT

private:
    CliFolder folder_;

private slots:
    void sheetOfThreeWithOneUnreadable()
    {
        const QString first = folder_.write("a.vlm", scanWithDeepSample());
        const QString notes = folder_.write("notes.vlm", "not a scan");
        const QString third = folder_.write("c.dat", scanWithDeepSample());
        const QString sheetPath = folder_.path("sheet.png");
        const CliOutcome outcome =
            runCli({"contact-sheet", first, notes, third, "--columns", "2", "--output", sheetPath});
        QCOMPARE(outcome.status, 1);
        QVERIFY2(outcome.err.contains(notes + ": not a scan file"), qPrintable(outcome.err));
        QVERIFY(!outcome.err.contains("a.vlm"));
        const QImage sheet(sheetPath);
        QCOMPARE(sheet.size(), QSize(8 + 2 * 208, 8 + 2 * 147));
        // the deep sample's cell (row 23, column 0, cells of 4 pixels): the
        // gate's largest value, black
        for (int index : {0, 2}) {
            const QPoint at = tileOrigin(index, 2);
            QCOMPARE(sheet.pixelColor(at + QPoint(2, 94)), QColor(0, 0, 0));
            QCOMPARE(sheet.pixelColor(at + QPoint(2, 2)), QColor(255, 255, 255));
        }
        // the unreadable file's tile is an empty frame
        const QPoint empty = tileOrigin(1, 2);
        QCOMPARE(sheet.pixelColor(empty), QColor(160, 160, 160));
        QCOMPARE(sheet.pixelColor(empty + QPoint(2, 117)), QColor(255, 255, 255));
    }

    void outcomes_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        QTest::newRow("all readable") << QStringList{"GOOD", "GOOD", "--output", "OUT"} << 0 << "";
        QTest::newRow("a missing file") << QStringList{"GOOD", "MISSING", "--output", "OUT"} << 1
                                        << "cannot open: No such file or directory";
        QTest::newRow("no output") << QStringList{"GOOD"} << 2 << "no --output";
        QTest::newRow("no file") << QStringList{"--output", "OUT"} << 2 << "no file named";
        // 5 x 5 tiles of 2000 x (2000 + name line 19), 8 pixels apart: 101.9 million pixels
        QTest::newRow("a sheet too large") << QStringList(25, "GOOD") + QStringList{"--columns", "5", "--size",
                                                                                 "2000x2000", "--output", "OUT"}
                                           << 2 << "10048 x 10143 pixels";
        QTest::newRow("an unwritable sheet") << QStringList{"GOOD", "--output", "NOFOLDER"} << 1 << "cannot write";
    }
    void outcomes()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, message);
        arguments.replaceInStrings("GOOD", folder_.write("good.vlm", scanWithDeepSample()));
        arguments.replaceInStrings("MISSING", folder_.path("missing.vlm"));
        arguments.replaceInStrings("NOFOLDER", folder_.path("no/such/sheet.png"));
        arguments.replaceInStrings("OUT", folder_.path("out.png"));
        QFile::remove(folder_.path("out.png"));
        const CliOutcome outcome = runCli(QStringList{"contact-sheet"} + arguments);
        QCOMPARE(outcome.status, status);
        QVERIFY2(outcome.err.contains(message), qPrintable(outcome.err));
        QCOMPARE(QFile::exists(folder_.path("out.png")), status != 2 && !arguments.contains(folder_.path("no/such/sheet.png")));
    }
};

QTEST_GUILESS_MAIN(CliContactSheetTest)
#include "cli_contact_sheet_test.moc"
