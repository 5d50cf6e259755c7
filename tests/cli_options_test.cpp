#include "cli_run.h"

#include <QDir>
#include <QTest>

#include <cstdlib>
#include <unistd.h>

// What the tool takes from its command line: its own options only, each once.
class CliOptionsTest : public QObject {
    Q_OBJECT

private:
    CliFolder folder_;

    QString sample() { return qEnvironmentVariable("VELMORA_SAMPLE_SCAN"); }

private slots:
    void optionsNotOfTheToolAreRefused_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        const QString scan = qEnvironmentVariable("VELMORA_SAMPLE_SCAN");
        const QString folder = QDir::tempPath();
        QTest::newRow("Qt's platform") << QStringList{"info", scan, "--platform", "bogus"}
                                       << "unknown option --platform";
        QTest::newRow("Qt's platform, one dash") << QStringList{"info", scan, "-platform", "bogus"}
                                                 << "unknown option -platform";
        QTest::newRow("Qt's plugin folder") << QStringList{"info", scan, "-platformpluginpath", folder}
                                            << "unknown option -platformpluginpath";
        QTest::newRow("Qt's right to left") << QStringList{"info", scan, "-reverse"} << "unknown option -reverse";
        QTest::newRow("Qt's session") << QStringList{"info", scan, "-session", "s1"} << "unknown option -session";
        QTest::newRow("a value twice") << QStringList{"render", scan, "--grid", "a.txt", "--grid", "b.txt"}
                                       << "--grid is given more than once";
        QTest::newRow("a flag twice") << QStringList{"dump", scan, "--raw", "--raw", "--output", "o.bin"}
                                      << "--raw is given more than once";
        // with --timeout 1 a receive that went ahead would end at once with status 1
        QTest::newRow("receive: a misspelt option")
            << QStringList{"receive", "--device", "/dev/null", "--output", "r.vlm", "--timeout", "1", "--timout", "30"}
            << "unknown option --timout";
        QTest::newRow("receive: the timeout twice")
            << QStringList{"receive", "--device", "/dev/null", "--output", "r.vlm", "--timeout", "1", "--timeout", "30"}
            << "--timeout is given more than once";
        QTest::newRow("receive: a stray word")
            << QStringList{"receive", "--device", "/dev/null", "--output", "r.vlm", "--timeout", "1", "now"}
            << "unexpected argument \"now\"";
        QTest::newRow("receive: a folder as output")
            << QStringList{"receive", "--device", "/dev/null", "--output", folder, "--force", "--timeout", "1"}
            << "--output names a folder: " + folder;
    }
    void optionsNotOfTheToolAreRefused()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        const CliOutcome outcome = runCli(arguments);
        QCOMPARE(outcome.status, 2);
        QVERIFY2(outcome.err.contains(message), qPrintable(outcome.err));
        QVERIFY(outcome.out.isEmpty());
    }

    void theSessionsPlatformIsNotTheTools()
    {
        const CliOutcome outcome = runCli({"info", sample()}, [] { setenv("QT_QPA_PLATFORM", "bogus", 1); });
        QCOMPARE(outcome.status, 0);
    }

    void filesAfterTheEndOfTheOptionsMayBeginWithADash_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("written");
        QTest::newRow("info") << QStringList{"info", "--", "--x.vlm"} << QStringList{};
        QTest::newRow("export") << QStringList{"export", "--format", "npy", "--output-dir", "out", "--", "--x.vlm",
                                               "-y.vlm"}
                                << QStringList{"out/--x.npy", "out/-y.npy"};
    }
    void filesAfterTheEndOfTheOptionsMayBeginWithADash()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, written);
        folder_.write("--x.vlm", bundledSample());
        folder_.write("-y.vlm", bundledSample());
        QDir().mkpath(folder_.path("out"));
        const QByteArray here = QFile::encodeName(folder_.path(QString()));
        const CliOutcome outcome = runCli(arguments, [here] {
            if (::chdir(here.constData()) != 0)
                std::abort();
        });
        QVERIFY2(outcome.status == 0, qPrintable(outcome.err));
        if (arguments.first() == "info")
            QVERIFY(outcome.out.contains("file: --x.vlm\n"));
        for (const QString &name : written)
            QVERIFY2(QFile::exists(folder_.path(name)), qPrintable(name));
    }
};

QTEST_GUILESS_MAIN(CliOptionsTest)
#include "cli_options_test.moc"
