#include "cli_run.h"

#include <QDir>
#include <QTest>

#include <cstdio>
#include <cstdlib>

#include <sys/stat.h>
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

    // Names that are not UTF-8 go from the command line to the file system
    // and into the messages byte for byte. The shell passes the bytes: Qt's
    // own process start would turn them into U+FFFD.
    void namesThatAreNotUtf8ReachTheirFiles_data()
    {
        QTest::addColumn<QString>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("said");
        QTest::addColumn<QByteArray>("written");
        QTest::newRow("read") << R"-(info "$(printf 'scan-\377.vlm')")-" << 0 << QByteArray("file: scan-\xff.vlm\n")
                              << QByteArray();
        QTest::newRow("written")
            << R"-(export "$(printf 'scan-\377.vlm')" --format npy --output "$(printf 'out-\376.npy')")-" << 0
            << QByteArray() << QByteArray("out-\xfe.npy");
        QTest::newRow("written into a folder")
            << R"-(export "$(printf 'scan-\377.vlm')" --format seg2 --output-dir out)-" << 0 << QByteArray()
            << QByteArray("out/scan-\xff" "24.dat");
        QTest::newRow("named in a message") << R"-(info "$(printf 'gone-\375.vlm')")-" << 1
                                            << QByteArray("cannot open gone-\xfd.vlm: No such file or directory")
                                            << QByteArray();
    }
    void namesThatAreNotUtf8ReachTheirFiles()
    {
        QFETCH(QString, arguments);
        QFETCH(int, status);
        QFETCH(QByteArray, said);
        QFETCH(QByteArray, written);
        const QByteArray here = QFile::encodeName(folder_.path("x").chopped(1));
        const QByteArray scan = bundledSample();
        FILE *file = std::fopen((here + "scan-\xff.vlm").constData(), "wb");
        QVERIFY(file && std::fwrite(scan.constData(), 1, scan.size(), file) == std::size_t(scan.size()));
        std::fclose(file);
        QDir().mkpath(folder_.path("out"));
        QProcess shell;
        shell.setWorkingDirectory(folder_.path(QString()));
        shell.start("/bin/sh", {"-c", "\"$VELMORA_CLI\" " + arguments});
        QVERIFY(shell.waitForFinished(60000));
        const QByteArray output = shell.readAllStandardOutput() + shell.readAllStandardError();
        QVERIFY2(shell.exitCode() == status, output.constData());
        QVERIFY2(output.contains(said), output.constData());
        struct stat status_ {};
        if (!written.isEmpty())
            QVERIFY2(::lstat((here + written).constData(), &status_) == 0, written.constData());
        // nothing under the name of U+FFFD in place of the byte
        const QStringList others = QDir(folder_.path(QString())).entryList({"*\uFFFD*"}, QDir::AllEntries)
                                   + QDir(folder_.path("out")).entryList({"*\uFFFD*"}, QDir::AllEntries);
        QVERIFY2(others.isEmpty(), qPrintable(others.join(", ")));
    }
};

QTEST_GUILESS_MAIN(CliOptionsTest)
#include "cli_options_test.moc"
