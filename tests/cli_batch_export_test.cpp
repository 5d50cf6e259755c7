#include "cli_run.h"

#include <QDir>
#include <QTest>

namespace {

QStringList filesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files, QDir::Name);
}

}  // namespace

class CliBatchExportTest : public QObject {
    Q_OBJECT

private:
    CliFolder folder_;

    QString scan(const QString &name) { return folder_.write(name, bundledSample()); }

    QString emptyFolder(const QString &name)
    {
        QDir(folder_.path(name)).removeRecursively();
        QDir().mkpath(folder_.path(name));
        return folder_.path(name);
    }

private slots:
    void convertsPastAFileThatCannotBeRead_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QStringList>("written");
        QTest::newRow("CSV") << "csv" << QStringList{"first.csv", "third.csv"};
        QTest::newRow("scan file") << "vlm" << QStringList{"first.vlm", "third.vlm"};
        QTest::newRow("SEG-2 layer files") << "seg2" << QStringList{"first1.dat", "first24.dat", "third1.dat"};
        QTest::newRow("ASCII layer files") << "ascii" << QStringList{"first0.asc", "third23.asc"};
    }
    void convertsPastAFileThatCannotBeRead()
    {
        QFETCH(QString, format);
        QFETCH(QStringList, written);
        const QString out = emptyFolder("out-" + format);
        const QString broken = folder_.write("second.vlm", "not a scan");
        const CliOutcome outcome =
            runCli({"export", scan("first.vlm"), broken, scan("third.vlm"), "--format", format, "--output-dir", out});
        QCOMPARE(outcome.status, 1);
        for (const QString &name : written)
            QVERIFY2(QFile::exists(out + '/' + name), qPrintable(name));
        QVERIFY(filesIn(out).filter("second").isEmpty());
        // standard error is no terminal here: one line per file, then the failure named
        const QStringList progress = outcome.err.split('\n').filter(QRegularExpression("^\\[\\d/3\\] "));
        QCOMPARE(progress, (QStringList{"[1/3] " + folder_.path("first.vlm"), "[2/3] " + broken,
                                        "[3/3] " + folder_.path("third.vlm")}));
        QVERIFY(outcome.err.contains("1 of 3 files not converted: " + broken));
    }

    void theSameNameTwiceIsRefusedBeforeAnythingIsWritten()
    {
        QDir().mkpath(folder_.path("a"));
        QDir().mkpath(folder_.path("b"));
        const QString out = emptyFolder("out-same");
        const QString first = scan("a/scan.vlm");
        const QString second = scan("b/scan.vlm");
        const CliOutcome outcome =
            runCli({"export", scan("other.vlm"), first, second, "--format", "csv", "--output-dir", out});
        QCOMPARE(outcome.status, 1);
        QVERIFY(outcome.err.contains(first + " and " + second));
        QCOMPARE(filesIn(out), QStringList{});
    }

    void layerNamesThatMeetAreRefusedBeforeAnythingIsWritten_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("shared");
        // layer 11 of scan and layer 1 of scan1; ASCII counts its layers from 0
        QTest::newRow("SEG-2") << "seg2" << "scan11.dat";
        QTest::newRow("SEG-2 standard") << "seg2-standard" << "scan11.dat";
        QTest::newRow("ASCII") << "ascii" << "scan10.asc";
    }
    void layerNamesThatMeetAreRefusedBeforeAnythingIsWritten()
    {
        QFETCH(QString, format);
        QFETCH(QString, shared);
        const QString out = emptyFolder("out-meet-" + format);
        const QString first = scan("scan.vlm");
        const QString second = scan("scan1.vlm");
        const CliOutcome outcome = runCli({"export", first, second, "--format", format, "--output-dir", out});
        QCOMPARE(outcome.status, 1);
        QVERIFY2(outcome.err.contains(QStringLiteral("%1 and %2 (%3/%4)").arg(first, second, out, shared)),
                 qPrintable(outcome.err));
        QCOMPARE(filesIn(out), QStringList{});
    }

    void anOutputFolderThatCannotTakeFilesIsOneMessage_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing") << "nowhere/deeper" << "the folder does not exist";
        QTest::newRow("a file") << "plain-file" << "it is not a folder";
    }
    void anOutputFolderThatCannotTakeFilesIsOneMessage()
    {
        QFETCH(QString, folder);
        QFETCH(QString, reason);
        folder_.write("plain-file", "x");
        const QString output = folder_.path(folder);
        const CliOutcome outcome =
            runCli({"export", scan("one.vlm"), scan("two.vlm"), "--format", "nrrd", "--output-dir", output});
        QCOMPARE(outcome.status, 1);
        QCOMPARE(outcome.err, QStringLiteral("velmora-cli: cannot write into %1: %2\n").arg(output, reason));
        QVERIFY(!QFile::exists(folder_.path("nowhere")));
    }

    void filesThatExistAreReplacedOnlyWhenForced()
    {
        const QString out = emptyFolder("out-exists");
        const QString kept = out + "/one5.dat";
        QFile file(kept);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("kept");
        file.close();
        const QStringList arguments{"export", scan("one.vlm"), scan("two.vlm"),
                                    "--format", "seg2", "--output-dir", out};
        CliOutcome outcome = runCli(arguments);
        QCOMPARE(outcome.status, 1);
        QVERIFY(outcome.err.contains("1 of the files to write exist, " + kept));
        QCOMPARE(filesIn(out), QStringList{"one5.dat"});
        outcome = runCli(arguments + QStringList{"--force"});
        QCOMPARE(outcome.status, 0);
        QCOMPARE(filesIn(out).size(), 48);
        QCOMPARE(QFileInfo(kept).size(), 23208);
    }
};

QTEST_GUILESS_MAIN(CliBatchExportTest)
#include "cli_batch_export_test.moc"
