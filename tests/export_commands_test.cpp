#include "cramped_folder.h"
#include "main_window_run.h"
#include "program_messages.h"

#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QTest>
#include <QtEndian>

#include <csignal>
#include <malloc.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {

enum FileType { ScanFile = 1, Seg2File = 2, AsciiFile = 3, NumpyFile = 4, NrrdFile = 5, CsvFile = 7 };

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

// While it lives, the process may map only a little more memory than it
// maps now: a large allocation fails as when the memory runs out.
class AddressSpaceLimit {
public:
    explicit AddressSpaceLimit(rlim_t more)
    {
        malloc_trim(0);  // free room kept by the allocator would hide the limit
        getrlimit(RLIMIT_AS, &previous_);
        QFile statm(QStringLiteral("/proc/self/statm"));
        const bool read = statm.open(QIODevice::ReadOnly);
        const rlim_t mapped = read ? statm.readAll().split(' ').value(0).toULongLong() * sysconf(_SC_PAGESIZE) : 0;
        rlimit lowered = previous_;
        lowered.rlim_cur = mapped + more;
        if (mapped > 0)
            setrlimit(RLIMIT_AS, &lowered);
    }
    ~AddressSpaceLimit() { setrlimit(RLIMIT_AS, &previous_); }

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
    void saveDialogKeepsItsNameOpensOnTheScanTypeAndRestoresItsFilter()
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
        QCOMPARE(second.filterIndex, int(ScanFile));
    }

    // The extension typed decides what is written; a name without one takes
    // the chosen type's: a scan is never replaced by CSV text.
    void theTypedNameDecidesWhatIsWritten_data()
    {
        QTest::addColumn<int>("fileType");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("written");
        QTest::addColumn<QByteArray>("start");
        QTest::newRow("a scan's name, CSV chosen") << int(CsvFile) << "copy.vlm" << "copy.vlm" << QByteArray("VLMv1.0");
        QTest::newRow("a CSV name, scan file chosen")
            << int(ScanFile) << "t.csv" << "t.csv" << QByteArray("layer,slice,depth_mm,amplitude\n");
        QTest::newRow("a SEG-2 name, NRRD chosen") << int(NrrdFile) << "s.dat" << "s1.dat" << QByteArray("\x55\x3A");
        QTest::newRow("no extension, NumPy chosen") << int(NumpyFile) << "v" << "v.npy" << QByteArray("\x93NUMPY");
        QTest::newRow("no extension, ASCII chosen") << int(AsciiFile) << "a" << "a0.asc" << QByteArray("  0.000   0.000");
    }
    void theTypedNameDecidesWhatIsWritten()
    {
        QFETCH(int, fileType);
        QFETCH(QString, typed);
        QFETCH(QString, written);
        QFETCH(QByteArray, start);
        ExportRun run;
        TForm1 &window = run.startWithSample();
        const QString path = run.writeFile(typed, bundledSample());
        run.dialogs.messageAnswers.push_back(MessageAnswer::Yes);  // to replace it, where asked
        run.save(window, path, fileType);
        QVERIFY2(fileBytes(run.environment.path(written)).startsWith(start),
                 qPrintable(fileBytes(run.environment.path(written)).left(16).toHex()));
        if (written != typed)
            QCOMPARE(fileBytes(path), bundledSample());
        QVERIFY(run.errorTexts().isEmpty());
    }

    void aNameWithAnotherExtensionIsAskedAbout()
    {
        ExportRun run;
        TForm1 &window = run.startWithSample();
        const QString path = run.environment.path("copy.txt");
        run.save(window, path, NumpyFile);  // answered No
        QCOMPARE(run.dialogs.messages.size(), 1);
        QCOMPARE(run.dialogs.messages[0].text,
                 QStringLiteral("copy.txt ends in none of .vlm, .dat, .asc, .npy, .nrrd, .vti or .csv. "
                                "Save it as NumPy arrays (*.npy) under this name?"));
        QCOMPARE(run.dialogs.messages[0].buttons, MessageButtons::YesNo);
        QCOMPARE(run.dialogs.messages[0].defaultAnswer, MessageAnswer::No);
        QVERIFY(!QFile::exists(path));
        run.dialogs.messageAnswers.push_back(MessageAnswer::Yes);
        run.save(window, path, NumpyFile);
        QVERIFY(fileBytes(path).startsWith("\x93NUMPY"));
    }

    void anEmptyVolumeIsAskedAboutBeforeTheDialog_data()
    {
        QTest::addColumn<bool>("afterNew");
        QTest::newRow("after New") << true;
        QTest::newRow("at a start without a scan") << false;
    }
    void anEmptyVolumeIsAskedAboutBeforeTheDialog()
    {
        QFETCH(bool, afterNew);
        ExportRun run;
        TForm1 &window = afterNew ? run.startWithSample() : run.start();
        if (afterNew)
            window.N1->trigger();
        const QString path = run.environment.path("empty.vlm");
        run.save(window, path, ScanFile);  // answered No
        QCOMPARE(run.dialogs.messages.size(), 1);
        QCOMPARE(run.dialogs.messages[0].text,
                 QStringLiteral("The scan is empty: every layer holds only zeros. Save it all the same?"));
        QCOMPARE(run.dialogs.messages[0].defaultAnswer, MessageAnswer::No);
        QVERIFY(run.dialogs.fileDialogs.isEmpty());
        run.dialogs.fileAnswers.clear();
        run.dialogs.messageAnswers.push_back(MessageAnswer::Yes);
        run.save(window, path, ScanFile);
        QCOMPARE(fileBytes(path).size(), 131088);
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
        // the shown scan keeps its name: the chosen name was never written
        QCOMPARE(window.volume.current_file_name, run.environment.path("sample.vlm"));
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
        // the caption names the copy, as the printed page and the last file do
        QCOMPARE(window.windowTitle(), QStringLiteral("Velmora ( %1 )").arg(path));
        QCOMPARE(window.volume.current_file_name, path);
        QCOMPARE(window.printSubject().fileName, path);
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

    // One question about the files that would be replaced: the scan file
    // itself, or the layer files of an export (its chosen name is never written).
    void existingFilesAreAskedAboutOnce_data()
    {
        QTest::addColumn<int>("fileType");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QStringList>("existing");
        QTest::addColumn<QString>("question");
        QTest::newRow("scan file") << int(ScanFile) << "old.vlm" << QStringList{"old.vlm"}
                                   << "File exist ! Overwrite ?";
        QTest::newRow("SEG-2 layers") << int(Seg2File) << "s.dat" << QStringList{"s7.dat", "s3.dat", "s24.dat"}
                                      << "3 of the 24 layer files exist, s3.dat \u2026: overwrite?";
        QTest::newRow("ASCII layer") << int(AsciiFile) << "t.asc" << QStringList{"t23.asc"}
                                     << "1 of the 24 layer files exists, t23.asc: overwrite?";
    }
    void existingFilesAreAskedAboutOnce()
    {
        QFETCH(int, fileType);
        QFETCH(QString, chosen);
        QFETCH(QStringList, existing);
        QFETCH(QString, question);
        ExportRun run;
        TForm1 &window = run.startWithSample();
        for (const QString &name : existing)
            run.writeFile(name, "kept");
        const QStringList filesBefore = QDir(run.environment.folder.path()).entryList(QDir::Files);
        run.dialogs.messageAnswers.push_back(MessageAnswer::No);
        run.save(window, run.environment.path(chosen), fileType);
        QCOMPARE(run.dialogs.messages.size(), 1);
        QCOMPARE(run.dialogs.messages[0].text, question);
        QCOMPARE(run.dialogs.messages[0].buttons, MessageButtons::YesNo);
        QCOMPARE(run.dialogs.messages[0].icon, MessageIcon::Warning);
        for (const QString &name : existing)
            QCOMPARE(fileBytes(run.environment.path(name)), QByteArray("kept"));
        QCOMPARE(QDir(run.environment.folder.path()).entryList(QDir::Files), filesBefore);
        QCOMPARE(window.volume.current_file_name, run.environment.path("sample.vlm"));

        run.dialogs.messageAnswers.push_back(MessageAnswer::Yes);
        run.save(window, run.environment.path(chosen), fileType);
        QCOMPARE(run.dialogs.messages.size(), 2);
        for (const QString &name : existing)
            QVERIFY(fileBytes(run.environment.path(name)) != QByteArray("kept"));
    }

    void anExistingChosenExportNameIsNotAskedAbout()
    {
        ExportRun run;
        TForm1 &window = run.startWithSample();
        run.writeFile("a.dat", "kept");
        run.save(window, run.environment.path("a.dat"), Seg2File);
        QVERIFY(run.dialogs.messages.isEmpty());
        QCOMPARE(QFileInfo(run.environment.path("a24.dat")).size(), 23208);
        QCOMPARE(fileBytes(run.environment.path("a.dat")), QByteArray("kept"));
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

    // A save that fails changes nothing: the file that was there, the image
    // in memory (no lead byte zeroed, no value clamped) and the scan's name.
    void aScanFileThatCannotBeWrittenChangesNothing_data()
    {
        QTest::addColumn<QString>("cause");
        QTest::newRow("disk full") << "full";
        QTest::newRow("folder gone") << "gone";
    }
    void aScanFileThatCannotBeWrittenChangesNothing()
    {
        QFETCH(QString, cause);
        ExportRun run;
        TForm1 &window = run.startWithSample();
        const QString path = cause == "full" ? run.writeFile("kept.vlm", bundledSample())
                                             : run.environment.path("gone/scan.vlm");
        const QString nameBefore = window.volume.current_file_name;
        window.volume.scan_image[TraceOffset(2, 5)] = 77;  // a trace lead byte
        window.volume.scan_image[TraceOffset(2, 5) + 9] = 200;
        const QByteArray imageBefore(reinterpret_cast<const char *>(window.volume.scan_image.data()), 131073);
        run.dialogs.messageAnswers.push_back(MessageAnswer::Yes);
        {
            const FileSizeLimit full(cause == "full" ? 20000 : RLIM_INFINITY);
            run.save(window, path, ScanFile);
        }
        QCOMPARE(run.errorTexts().size(), 1);
        QVERIFY(run.errorTexts()[0].startsWith(QStringLiteral("Cannot save %1: ").arg(path)));
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(window.volume.scan_image.data()), 131073), imageBefore);
        QCOMPARE(window.volume.current_file_name, nameBefore);
        if (cause == "full") {
            QCOMPARE(fileBytes(path), bundledSample());
            QCOMPARE(QDir(run.environment.folder.path()).entryList(QDir::Files).size(), 2);  // no temporary left
        }
    }

    // A layer export is written whole or not at all: a failure part way
    // leaves every old layer file as it was, no temporary beside them, and
    // is told once, with the file and the system's reason.
    void aFailedLayerExportIsToldOnceAndKeepsTheOldFiles_data()
    {
        QTest::addColumn<int>("fileType");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<int>("firstNumber");
        QTest::addColumn<bool>("oldFiles");
        QTest::addColumn<QString>("cause");
        QTest::addColumn<qint64>("room");
        QTest::newRow("SEG-2, the disk full at layer 3")
            << int(Seg2File) << "full.dat" << 1 << true << "full" << qint64(2.5 * 23208);
        QTest::newRow("ASCII, the disk full at layer 3")
            << int(AsciiFile) << "full.asc" << 0 << true << "full" << qint64(2.5 * 122880);
        QTest::newRow("SEG-2, a read-only file system") << int(Seg2File) << "ro.dat" << 1 << true << "read-only"
                                                        << qint64(0);
        QTest::newRow("ASCII, new files on a read-only file system")
            << int(AsciiFile) << "ro.asc" << 0 << false << "read-only" << qint64(0);
    }
    void aFailedLayerExportIsToldOnceAndKeepsTheOldFiles()
    {
        QFETCH(int, fileType);
        QFETCH(QString, chosen);
        QFETCH(int, firstNumber);
        QFETCH(bool, oldFiles);
        QFETCH(QString, cause);
        QFETCH(qint64, room);
        ExportRun run;
        TForm1 &window = run.startWithSample();
        CrampedFolder folder;
        const QString stem = chosen.section('.', 0, 0);
        const QString extension = chosen.section('.', 1);
        QStringList names;
        for (int number = firstNumber; number < firstNumber + 24; ++number) {
            names << QStringLiteral("%1%2.%3").arg(stem).arg(number).arg(extension);
            QFile old(folder.path(names.last()));
            if (oldFiles)
                QVERIFY(old.open(QIODevice::WriteOnly) && old.write(names.last().toLatin1()) > 0);
        }
        QString reason = folder.reason();
        if (cause == "read-only") {
            if (!folder.makeReadOnly())
                QSKIP("no file system of its own to make read-only here");
            reason = QStringLiteral("Read-only file system");
        } else {
            folder.cramp(room);
        }
        run.dialogs.messageAnswers.push_back(MessageAnswer::Yes);  // to replace the old files
        {
            const FileSizeLimit full(folder.mounted() ? RLIM_INFINITY : CrampedFolder::kRoom);
            run.save(window, folder.path(chosen), fileType);
        }
        QCOMPARE(run.errorTexts().size(), 1);
        const QRegularExpressionMatch told =
            QRegularExpression(QStringLiteral("^Cannot save (.+): (.+); the 24 layer files were left as they were\\.$"))
                .match(run.errorTexts()[0]);
        QVERIFY2(told.hasMatch(), qPrintable(run.errorTexts()[0]));
        QVERIFY2(names.contains(QFileInfo(told.captured(1)).fileName()), qPrintable(told.captured(1)));
        QCOMPARE(told.captured(2), reason);
        for (const QString &name : names)
            QCOMPARE(fileBytes(folder.path(name)), oldFiles ? name.toLatin1() : QByteArray());
        QStringList left = folder.names();
        left.sort();
        QStringList expected = oldFiles ? names : QStringList();
        expected.sort();
        QCOMPARE(left, expected);
    }

    void aSaveThatRunsOutOfMemoryIsToldSo()
    {
        ExportRun run;
        TForm1 &window = run.startWithSample();
        const QString path = run.environment.path("v.csv");
        {
            const AddressSpaceLimit tight(1 << 20);  // the table takes about three megabytes
            run.save(window, path, CsvFile);
        }
        QCOMPARE(run.errorTexts(), QStringList{QStringLiteral("Cannot save %1: Not enough memory").arg(path)});
        QVERIFY(!QFile::exists(path));
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
        QCOMPARE(run.errorTexts(),
                 QStringList{QStringLiteral("Cannot save %1/scan1.dat: Permission denied; the 24 layer files were "
                                            "left as they were.")
                                 .arg(folder)});
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
