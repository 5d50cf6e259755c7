// The command-line tool refuses numbers it cannot draw or use with a message
// and never aborts: no picture of a wrong size, no endless loop, no crash.

#include "cli_run.h"

#include <QImage>
#include <QTest>

class CliLimitsTest : public QObject {
    Q_OBJECT

private:
    CliFolder folder_;

private slots:
    void refusedWithAReason_data()
    {
        const QString scan = qEnvironmentVariable("VELMORA_SAMPLE_SCAN");
        const QString out = folder_.path("out.png");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("reason");
        QTest::newRow("page too small for the slice image")
            << QStringList{"print", scan, "--page", "100x100", "--output", out} << 1 << "too small";
        QTest::newRow("margins leave no room")
            << QStringList{"print", scan, "--page", "150x150", "--margins", "10,10,10,10", "--output", out} << 1
            << "too small";
        QTest::newRow("3-D picture wider than 16 bits")
            << QStringList{"view3d", scan, "--size", "65537x100", "--output", out} << 2 << "--size";
        QTest::newRow("3-D picture beyond the limit")
            << QStringList{"view3d", scan, "--size", "100x4097", "--output", out} << 2 << "--size";
        QTest::newRow("slice image of 10^10 pixels")
            << QStringList{"render", scan, "--size", "100000x100000", "--image", out} << 2 << "--size";
        QTest::newRow("slice image beyond the limit")
            << QStringList{"render", scan, "--size", "4097x500", "--image", out} << 2 << "--size";
        QTest::newRow("printed slice image beyond the limit")
            << QStringList{"print", scan, "--size", "5000x5000", "--output", out} << 2 << "--size";
        QTest::newRow("page beyond the limit")
            << QStringList{"print", scan, "--page", "10001x2000", "--output", out} << 2 << "--page";
        QTest::newRow("zoom of INT_MIN")
            << QStringList{"view3d", scan, "--zoom", "-2147483648", "--output", out} << 2 << "--zoom";
        QTest::newRow("zoom beyond the limit")
            << QStringList{"view3d", scan, "--zoom", "101", "--output", out} << 2 << "--zoom";
        QTest::newRow("turn nan") << QStringList{"view3d", scan, "--turn", "nan", "--output", out} << 2 << "--turn";
        QTest::newRow("turn inf") << QStringList{"view3d", scan, "--turn", "inf", "--output", out} << 2 << "--turn";
        QTest::newRow("tilt -inf") << QStringList{"view3d", scan, "--tilt", "-inf", "--output", out} << 2 << "--tilt";
        QTest::newRow("tilt beyond a turn")
            << QStringList{"view3d", scan, "--tilt", "1e30", "--output", out} << 2 << "--tilt";
        QTest::newRow("port 12") << QStringList{"receive", "--port", "12", "--output", out} << 2 << "--port";
        QTest::newRow("port 0") << QStringList{"receive", "--port", "0", "--output", out} << 2 << "--port";
        QTest::newRow("timeout 0")
            << QStringList{"receive", "--port", "1", "--timeout", "0", "--output", out} << 2 << "--timeout";
        QTest::newRow("timeout -1")
            << QStringList{"receive", "--port", "1", "--timeout", "-1", "--output", out} << 2 << "--timeout";
    }
    void refusedWithAReason()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, reason);
        QFile::remove(folder_.path("out.png"));
        const CliOutcome outcome = runCli(arguments);
        QCOMPARE(outcome.status, status);
        QVERIFY2(outcome.err.startsWith("velmora-cli: ") && outcome.err.contains(reason), qPrintable(outcome.err));
        QVERIFY(!QFile::exists(folder_.path("out.png")));
    }

    void theLargestSizesAreDrawn_data()
    {
        const QString scan = qEnvironmentVariable("VELMORA_SAMPLE_SCAN");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QSize>("size");
        QTest::newRow("3-D picture") << QStringList{"view3d", scan, "--size", "4096x2"} << QSize(4096, 2);
        QTest::newRow("slice image") << QStringList{"render", scan, "--size", "2x4096"} << QSize(2, 4096);
    }
    void theLargestSizesAreDrawn()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QSize, size);
        const QString out = folder_.path("largest.png");
        const QString option = arguments.first() == "render" ? "--image" : "--output";
        QCOMPARE(runCli(arguments + QStringList{option, out}).status, 0);
        QCOMPARE(QImage(out).size(), size);
    }
};

QTEST_GUILESS_MAIN(CliLimitsTest)
#include "cli_limits_test.moc"
