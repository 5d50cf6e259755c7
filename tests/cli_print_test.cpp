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
