// Every file the command-line tool writes is put in place whole or not at
// all, and the 24 layer files of an export all together or none of them: on
// a file system that runs full half way through, the tool reports the
// system's reason, exits 1 and leaves the files that were there as they were.

#include "cli_run.h"
#include "cramped_folder.h"

#include <QTest>

class CliFullDiskTest : public QObject {
    Q_OBJECT

private slots:
    void aFullDiskKeepsTheOldFile_data()
    {
        const QString scan = qEnvironmentVariable("VELMORA_SAMPLE_SCAN");
        QTest::addColumn<QStringList>("arguments");  // the output's path follows them
        QTest::addColumn<QString>("name");
        QTest::newRow("render --grid") << QStringList{"render", scan, "--grid"} << "grid.txt";
        QTest::newRow("render --image") << QStringList{"render", scan, "--image"} << "slice.png";
        QTest::newRow("render --overview") << QStringList{"render", scan, "--overview"} << "overview.png";
        QTest::newRow("view3d") << QStringList{"view3d", scan, "--output"} << "cube.png";
        QTest::newRow("print PNG") << QStringList{"print", scan, "--page", "1200x1700", "--output"} << "page.png";
        QTest::newRow("print PDF") << QStringList{"print", scan, "--page", "1200x1700", "--output"} << "page.pdf";
        QTest::newRow("dump") << QStringList{"dump", scan, "--raw", "--output"} << "image.bin";
        QTest::newRow("voxels") << QStringList{"voxels", scan, "--output"} << "voxels.bin";
        QTest::newRow("export vlm") << QStringList{"export", scan, "--force", "--format", "vlm", "--output"}
                                    << "copy.vlm";
    }
    void aFullDiskKeepsTheOldFile()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QString, name);
        CliFolder roomy;
        QCOMPARE(runCli(arguments + QStringList{roomy.path(name)}).status, 0);
        QVERIFY2(QFileInfo(roomy.path(name)).size() > CrampedFolder::kRoom, "the file would fit: no test");

        CrampedFolder cramped;
        const QByteArray old = "the file that was there";
        QFile kept(cramped.path(name));
        QVERIFY(kept.open(QIODevice::WriteOnly) && kept.write(old) == old.size());
        kept.close();
        cramped.cramp();
        const CliOutcome outcome = runCli(arguments + QStringList{cramped.path(name)}, cramped.childSetUp());
        QCOMPARE(outcome.status, 1);
        QVERIFY2(outcome.err.contains(cramped.path(name) + ": " + cramped.reason()), qPrintable(outcome.err));
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), old);
        QCOMPARE(cramped.names(), QStringList{name});  // no partial file beside it
    }

    void aFullDiskKeepsTheOldLayerFiles_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<QString>("extension");
        QTest::addColumn<int>("firstNumber");
        QTest::addColumn<qint64>("room");  // for two and a half layer files
        QTest::newRow("seg2") << "seg2" << "dat" << 1 << qint64(2.5 * 23208);
        QTest::newRow("seg2-standard") << "seg2-standard" << "dat" << 1 << qint64(2.5 * 23328);
        QTest::newRow("ascii") << "ascii" << "asc" << 0 << qint64(2.5 * 122880);
    }
    void aFullDiskKeepsTheOldLayerFiles()
    {
        QFETCH(QString, format);
        QFETCH(QString, extension);
        QFETCH(int, firstNumber);
        QFETCH(qint64, room);
        CrampedFolder cramped;
        QStringList names;
        for (int number = firstNumber; number < firstNumber + 24; ++number) {
            names << QStringLiteral("scan%1.%2").arg(number).arg(extension);
            QFile old(cramped.path(names.last()));
            QVERIFY(old.open(QIODevice::WriteOnly) && old.write(names.last().toLatin1()) > 0);
        }
        cramped.cramp(room);
        const CliOutcome outcome = runCli({"export", qEnvironmentVariable("VELMORA_SAMPLE_SCAN"), "--force", "--format",
                                           format, "--output", cramped.path("scan." + extension)},
                                          cramped.childSetUp());
        QCOMPARE(outcome.status, 1);
        QCOMPARE(outcome.err.count("cannot save"), 1);
        QVERIFY2(outcome.err.contains(cramped.path("scan")) && outcome.err.contains(": " + cramped.reason() + ";"),
                 qPrintable(outcome.err));
        for (const QString &name : names) {
            QFile kept(cramped.path(name));
            QVERIFY(kept.open(QIODevice::ReadOnly));
            QCOMPARE(kept.readAll(), name.toLatin1());
        }
        QStringList left = cramped.names();
        left.sort();
        names.sort();
        QCOMPARE(left, names);  // and no temporary beside them
    }
};

QTEST_GUILESS_MAIN(CliFullDiskTest)
#include "cli_full_disk_test.moc"
