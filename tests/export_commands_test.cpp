#include "main_window_run.h"
#include "program_messages.h"

#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QTest>
#include <QtEndian>

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

namespace {

enum FileType { ScanFile = 1, Seg2File = 2, AsciiFile = 3 };

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// While it lives, no file of the process may grow beyond limit bytes: a write
// past it fails as on a full disk.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t limit)
    {
        std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &previous_);
        rlimit lowered = previous_;
        lowered.rlim_cur = limit;
        setrlimit(RLIMIT_FSIZE, &lowered);
    }
    ~FileSizeLimit() { setrlimit(RLIMIT_FSIZE, &previous_); }

private:
    rlimit previous_{};
};

struct ExportRun : MainWindowRun {
    TForm1 &startWithSample()
    {
        TForm1 &window = start({QStringLiteral("velmora"), writeFile("sample.vlm", bundledSample())});
        window.utc_clock = [] { return QDateTime(QDate(2026, 12, 7), QTime(9, 5, 3), Qt::UTC); };
        return window;
    }

    void save(TForm1 &window, const QString &path, int fileType)
    {
        dialogs.fileAnswers.push_back(FileDialogAnswer{path, fileType});
        window.ToolButton9Click();
    }

    QStringList errorTexts() const
    {
        QStringList texts;
        for (const MessageRequest &message : dialogs.messages)
            if (message.caption == QLatin1String("Error"))
                texts << message.text;
        return texts;
    }
};

}  // namespace

class ExportCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void saveDialogKeepsItsNameAndTypeAndRestoresItsFilter()
    {
        ExportRun run;
        TForm1 &window = run.startWithSample();
        run.save(window, run.environment.path("a.dat"), Seg2File);
        const FileDialogRequest &first = run.dialogs.fileDialogs[0];
        QCOMPARE(first.kind, FileDialogRequest::Kind::Save);
        QCOMPARE(first.title, QStringLiteral("Save file"));
        QVERIFY(first.hideReadOnly);
        QCOMPARE(first.filter,
                 QStringLiteral("M7340 VLM files (*.vlm)|*.vlm|SEG2 files (*.dat)|*.dat|ASCII3COL files (*.asc)|*.asc"
                                "|NumPy arrays (*.npy)|*.npy|NRRD volumes (*.nrrd)|*.nrrd|VTK image data (*.vti)|*.vti"
                                "|CSV tables (*.csv)|*.csv"));
        QCOMPARE(first.defaultExtension, QStringLiteral("*.vlm"));
        QCOMPARE(window.SaveDialog1.filter, QStringLiteral("M7340 VLM files (*.vlm)|*.vlm"));
        window.ToolButton9Click();  // cancelled
        const FileDialogRequest &second = run.dialogs.fileDialogs[1];
        QCOMPARE(second.fileName, run.environment.path("a.dat"));
        QCOMPARE(second.filterIndex, int(Seg2File));
    }

    void seg2WritesOneFilePerLayerAndNotTheChosenName()
    {
        ExportRun run;
        TForm1 &window = run.startWithSample();
        const QString chosen = run.environment.path("a.dat");
        run.save(window, chosen, Seg2File);
        QVERIFY(!QFile::exists(chosen));
        for (int layer = 1; layer <= 24; ++layer)
            QCOMPARE(QFileInfo(run.environment.path(QStringLiteral("a%1.dat").arg(layer))).size(), 23208);
        QVERIFY(!QFile::exists(run.environment.path("a0.dat")));
        QCOMPARE(window.volume.current_file_name, chosen);
        QVERIFY(run.errorTexts().isEmpty());
    }

    void asciiWritesFiveThousandLinesPerLayer()
    {
        ExportRun run;
        TForm1 &window = run.startWithSample();
        run.save(window, run.environment.path("b.asc"), AsciiFile);
        for (int number = 0; number <= 23; ++number) {
            const QByteArray text = fileBytes(run.environment.path(QStringLiteral("b%1.asc").arg(number)));
            QCOMPARE(text.count('\n'), 5120);
            QVERIFY(!text.contains('\r'));
        }
        QVERIFY(!QFile::exists(run.environment.path("b24.asc")));
    }

    void filesForOtherToolsAreWrittenByTheirFileType_data()
    {
        QTest::addColumn<int>("fileType");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("start");
        QTest::newRow("NumPy") << 4 << "v.npy" << QByteArray("\x93NUMPY");
        QTest::newRow("NRRD") << 5 << "v.nrrd" << QByteArray("NRRD0004\n");
        QTest::newRow("VTK image") << 6 << "v.vti" << QByteArray("<?xml");
        QTest::newRow("CSV") << 7 << "v.csv" << QByteArray("layer,slice,depth_mm,amplitude\n");
    }
    void filesForOtherToolsAreWrittenByTheirFileType()
    {
        QFETCH(int, fileType);
        QFETCH(QString, name);
        QFETCH(QByteArray, start);
        ExportRun run;
        TForm1 &window = run.startWithSample();
        const QString shown = window.volume.current_file_name;
        const QString path = run.writeFile(name, "kept");
        run.dialogs.messageAnswers.push_back(MessageAnswer::No);
        run.save(window, path, fileType);
        QCOMPARE(run.dialogs.messages.last().text, QStringLiteral("File exist ! Overwrite ?"));
        QCOMPARE(fileBytes(path), QByteArray("kept"));
        run.dialogs.messageAnswers.push_back(MessageAnswer::Yes);
        run.save(window, path, fileType);
        QVERIFY(fileBytes(path).startsWith(start));
        QCOMPARE(window.volume.current_file_name, shown);
        QVERIFY(run.errorTexts().isEmpty());
    }

    void aSampleOf128StaysInTheExportsButNotInAScanFile()
    {
        ExportRun run;
        TForm1 &window = run.startWithSample();
        const int index = TraceOffset(1, 0) + 6;  // depth row 5 of slice 0, layer 1
        window.volume.scan_image[index] = 128;
        run.save(window, run.environment.path("v.dat"), Seg2File);
        const QByteArray seg2 = fileBytes(run.environment.path("v1.dat"));
        QCOMPARE(qFromLittleEndian<uint16_t>(seg2.constData() + 448 + 57 + 2 * 5), uint16_t(128));
        run.save(window, run.environment.path("v.asc"), AsciiFile);
        const QList<QByteArray> lines = fileBytes(run.environment.path("v0.asc")).split('\n');
        QCOMPARE(lines[5], QByteArray("  0.000   5.000 128.000"));
        run.save(window, run.environment.path("v.vlm"), ScanFile);
        QCOMPARE(uint8_t(fileBytes(run.environment.path("v.vlm"))[16 + index]), uint8_t(127));
    }

    void scanFileSavePreparesTheImageInMemory()
    {
        ExportRun run;
        TForm1 &window = run.startWithSample();
        for (int i = 131028; i < 131072; ++i)
            window.volume.scan_image[i] = 200;
        window.volume.scan_image[TraceOffset(3, 7)] = 99;
        const QString path = run.environment.path("saved.vlm");
        run.save(window, path, ScanFile);
        const QByteArray saved = fileBytes(path);
        QCOMPARE(saved.size(), 131088);
        QVERIFY(saved.startsWith("VLMv1.0"));
        for (int i = 5120; i <= 131027; i += 128)
            QCOMPARE(int(window.volume.scan_image[i]), 0);
        for (int i = 131028; i < 131072; ++i)
            QCOMPARE(uint8_t(saved[16 + i]), uint8_t(200));
        QCOMPARE(window.windowTitle(), QStringLiteral("Velmora ( %1 )").arg(run.environment.path("sample.vlm")));
    }

    void cancellingWritesNothing()
    {
        ExportRun run;
        TForm1 &window = run.startWithSample();
        const QString before = window.volume.current_file_name;
        window.ToolButton9Click();
        QCOMPARE(window.volume.current_file_name, before);
        QCOMPARE(QDir(run.environment.folder.path()).entryList(QDir::Files), QStringList{"sample.vlm"});
    }

    void answeringNoWritesNothingButTakesTheName_data()
    {
        QTest::addColumn<int>("fileType");
        QTest::addColumn<QString>("name");
        QTest::newRow("scan file") << int(ScanFile) << "old.vlm";
        QTest::newRow("SEG-2") << int(Seg2File) << "old.dat";
        QTest::newRow("ASCII") << int(AsciiFile) << "old.asc";
    }
    void answeringNoWritesNothingButTakesTheName()
    {
        QFETCH(int, fileType);
        QFETCH(QString, name);
        ExportRun run;
        TForm1 &window = run.startWithSample();
        const QString path = run.writeFile(name, "kept");
        run.dialogs.messageAnswers.push_back(MessageAnswer::No);
        run.save(window, path, fileType);
        QCOMPARE(run.dialogs.messages.last().text, QStringLiteral("File exist ! Overwrite ?"));
        QCOMPARE(run.dialogs.messages.last().buttons, MessageButtons::YesNo);
        QCOMPARE(run.dialogs.messages.last().icon, MessageIcon::Warning);
        QCOMPARE(fileBytes(path), QByteArray("kept"));
        QCOMPARE(window.volume.current_file_name, path);
        QCOMPARE(QDir(run.environment.folder.path()).entryList(QDir::Files).size(), 2);
    }

    void answeringYesReplacesTheFile()
    {
        ExportRun run;
        TForm1 &window = run.startWithSample();
        const QString path = run.writeFile("old.vlm", "kept");
        run.dialogs.messageAnswers.push_back(MessageAnswer::Yes);
        run.save(window, path, ScanFile);
        QCOMPARE(fileBytes(path).size(), 131088);
    }

    void aScanFileThatCannotBeWrittenIsReportedAndTheOldOneStays()
    {
        ExportRun run;
        TForm1 &window = run.startWithSample();
        const QString path = run.writeFile("kept.vlm", bundledSample());
        run.dialogs.messageAnswers.push_back(MessageAnswer::Yes);
        {
            const FileSizeLimit full(20000);  // the disk fills up during the save
            run.save(window, path, ScanFile);
        }
        QCOMPARE(run.errorTexts().size(), 1);
        QVERIFY(run.errorTexts()[0].startsWith(QStringLiteral("Cannot save %1: ").arg(path)));
        QCOMPARE(fileBytes(path), bundledSample());
        QCOMPARE(QDir(run.environment.folder.path()).entryList(QDir::Files).size(), 2);  // no temporary left
    }

    void aScanFileInAVanishedFolderIsReported()
    {
        ExportRun run;
        TForm1 &window = run.startWithSample();
        run.save(window, run.environment.path("gone/scan.vlm"), ScanFile);
        QCOMPARE(run.errorTexts().size(), 1);
        QVERIFY(run.errorTexts()[0].contains(run.environment.path("gone/scan.vlm")));
    }

    void seg2LayersThatCannotBeWrittenAreReportedAndNotLeftTruncated()
    {
        ExportRun run;
        TForm1 &window = run.startWithSample();
        {
            const FileSizeLimit full(10000);
            run.save(window, run.environment.path("full.dat"), Seg2File);
        }
        QCOMPARE(run.errorTexts(), QStringList(24, QStringLiteral("Can't write file!")));
        QCOMPARE(QDir(run.environment.folder.path()).entryList(QDir::Files), QStringList{"sample.vlm"});
    }

    void asciiStopsAtTheFirstLayerThatCannotBeWritten()
    {
        ExportRun run;
        TForm1 &window = run.startWithSample();
        {
            const FileSizeLimit full(50000);
            run.save(window, run.environment.path("full.asc"), AsciiFile);
        }
        QCOMPARE(run.errorTexts(), QStringList{"Unable to write to file"});
        QCOMPARE(QDir(run.environment.folder.path()).entryList(QDir::Files), QStringList{"sample.vlm"});
    }

    void aReadOnlyFolderIsReported()
    {
        if (geteuid() == 0)
            QSKIP("the superuser writes into read-only folders");
        ExportRun run;
        TForm1 &window = run.startWithSample();
        const QString folder = run.environment.path("locked");
        QDir().mkdir(folder);
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
        run.save(window, folder + "/scan.dat", Seg2File);
        QCOMPARE(run.errorTexts().size(), 24);
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    void layerFilesGoIntoAFolderNamedLikeTheExtension()
    {
        ExportRun run;
        TForm1 &window = run.startWithSample();
        const QString folder = run.environment.path("x.dat");
        QDir().mkdir(folder);
        run.save(window, folder + "/scan.dat", Seg2File);
        QVERIFY(run.errorTexts().isEmpty());
        QCOMPARE(QDir(folder).entryList(QDir::Files).size(), 24);
    }

    void copyDataPutsTheGridOnTheClipboard_data()
    {
        QTest::addColumn<int>("lastRow");
        QTest::addColumn<int>("lastColumn");
        QTest::addColumn<QString>("text");
        QTest::newRow("two rows of three") << 1 << 2 << "1\t2\t3\t\n4\t5\t6\t\n";
        QTest::newRow("no rows") << -1 << 2 << "";
        QTest::newRow("no columns") << 1 << -1 << "\n\n";
    }
    void copyDataPutsTheGridOnTheClipboard()
    {
        QFETCH(int, lastRow);
        QFETCH(int, lastColumn);
        QFETCH(QString, text);
        ExportRun run;
        TForm1 &window = run.start();
        window.volume.slice_grid.allocate(2, 3);
        for (int i = 0; i < 6; ++i)
            window.volume.slice_grid.at(i / 3, i % 3) = static_cast<int16_t>(i + 1);
        window.volume.grid_first_row = 0;
        window.volume.grid_last_row = lastRow;
        window.volume.grid_first_col = 0;
        window.volume.grid_last_col = lastColumn;
        QGuiApplication::clipboard()->setText(QStringLiteral("old"));
        window.Copydata1->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(), text);
        window.Copydata1->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(), text);
    }

    void copyDataAfterARenderHoldsTheGreyLevels()
    {
        ExportRun run;
        TForm1 &window = run.startWithSample();
        window.Copydata1Click();
        const QStringList rows = QGuiApplication::clipboard()->text().split('\n');
        QCOMPARE(rows.size(), 129);  // rows 0..127 of view X, and nothing after the last line feed
        QCOMPARE(rows[0].count('\t'), 24);
    }
};

QTEST_MAIN(ExportCommandsTest)
#include "export_commands_test.moc"
