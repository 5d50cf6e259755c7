#include "main_window_run.h"

#include <QDir>
#include <QSignalSpy>
#include <QVariant>
#include <QTest>

#include <sys/stat.h>

namespace {

// A scan file whose image is all value except byte 2052.
QByteArray uniformScan(char value)
{
    QByteArray file = QByteArrayLiteral("VLMv1.0") + QByteArray(9, '\0') + QByteArray(131072, value);
    file[16 + 2052] = 0x01;
    return file;
}

QByteArray rawImage(const TForm1 &window)
{
    return QByteArray(reinterpret_cast<const char *>(window.volume.raw_image.data()), 131072);
}

QByteArray shownImage(const TForm1 &window)
{
    return QByteArray(reinterpret_cast<const char *>(window.volume.scan_image.data()), 131072);
}

}  // namespace

class OpenFileTest : public QObject {
    Q_OBJECT

private slots:
    void openShowsThePathAndLoads()
    {
        MainWindowRun run;
        TForm1 &window = run.start();
        const QByteArray sample = bundledSample();
        // the extension plays no part: the magic alone makes a scan file
        window.volume.current_file_name = run.writeFile("sample.dat", sample);
        window.OpenTGO();
        QCOMPARE(window.windowTitle(), QStringLiteral("Velmora ( %1 )").arg(window.volume.current_file_name));
        QCOMPARE(rawImage(window), sample.mid(16));
        QVERIFY(shownImage(window) != sample.mid(16));
        QVERIFY(run.dialogs.messages.isEmpty());
    }

    void theThreeDPictureIsBuiltFromTheImageBeforeSmoothing()
    {
        MainWindowRun run;
        TForm1 &window = run.start();
        run.d3d.calls().clear();
        window.volume.current_file_name = run.writeFile("uniform.vlm", uniformScan('\xC8'));
        window.OpenTGO();
        QVERIFY(run.d3d.calls().contains("d3dreview_(40)"));
        // voxels hold the raw 200, not the smoothed 128
        QCOMPARE(int(window.volume.voxels[5 * 4096 + 10 * 64 + 30]), 200);
        QCOMPARE(int(window.volume.scan_image[TraceOffset(5, 10) + 60]), 128);
    }

    // Nothing but a regular file is read: a FIFO without a writer would hold the
    // program for ever (the test's time limit catches a hang).
    void anUnopenableFileIsReportedAndChangesNothing_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing") << "missing" << "No such file or directory";
        QTest::newRow("folder") << "folder" << "Is a directory";
        QTest::newRow("dangling link") << "link" << "No such file or directory";
        QTest::newRow("FIFO") << "fifo" << "Not a regular file (a FIFO)";
        QTest::newRow("device") << "device" << "Not a regular file (a device)";
    }
    void anUnopenableFileIsReportedAndChangesNothing()
    {
        QFETCH(QString, kind);
        QFETCH(QString, reason);
        MainWindowRun run;
        TForm1 &window = run.start();
        const QString before = run.writeFile("before.vlm", bundledSample());
        window.volume.current_file_name = before;
        window.OpenTGO();
        const QByteArray shownBefore = shownImage(window);
        const QByteArray rawBefore = rawImage(window);
        QString path = run.environment.path("missing.vlm");
        if (kind == "folder")
            path = run.environment.folder.path();
        if (kind == "link") {
            path = run.environment.path("link.vlm");
            QVERIFY(QFile::link(run.environment.path("gone.vlm"), path));
        }
        if (kind == "device")
            path = QStringLiteral("/dev/null");
        if (kind == "fifo") {
            path = run.environment.path("pipe.vlm");
            QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        }
        window.volume.current_file_name = path;
        window.OpenTGO();
        QCOMPARE(run.dialogs.messages.size(), 1);
        QCOMPARE(run.dialogs.messages[0].caption, QStringLiteral("Velmora v.1.5"));
        QCOMPARE(run.dialogs.messages[0].icon, MessageIcon::Error);
        QCOMPARE(run.dialogs.messages[0].text, QStringLiteral("Cannot open %1: %2").arg(path, reason));
        QCOMPARE(window.windowTitle(), QStringLiteral("Velmora ( %1 )").arg(before));
        QCOMPARE(window.volume.current_file_name, before);
        QCOMPARE(shownImage(window), shownBefore);
        QCOMPARE(rawImage(window), rawBefore);
    }

    void aShortFileIsReportedOnceWithWhatIsMissing()
    {
        MainWindowRun run;
        TForm1 &window = run.start();
        const QString path = run.writeFile("short.vlm", bundledSample().left(100));
        window.volume.current_file_name = path;
        window.OpenTGO();
        QCOMPARE(run.dialogs.messages.size(), 1);
        QCOMPARE(run.dialogs.messages[0].caption, QStringLiteral("Ooops"));
        // 100 bytes hold the 16-byte header and image bytes 0..83
        QCOMPARE(run.dialogs.messages[0].text,
                 QStringLiteral("%1 ends 130988 bytes early: image bytes 84 to 131071 are missing and are shown "
                                "empty.")
                     .arg(path));
        QCOMPARE(run.dialogs.messages[0].buttons, MessageButtons::Ok);
        QCOMPARE(rawImage(window).left(84), bundledSample().mid(16, 84));
        QCOMPARE(window.windowTitle(), QStringLiteral("Velmora ( %1 )").arg(path));
    }

    // A file that ends before layer 24, opened after the sample: view X shows
    // nothing of the sample's layer 24 under the short file's name.
    void aShortFileAfterAScanShowsNothingOfIt()
    {
        MainWindowRun run;
        TForm1 &window = run.start();
        window.volume.current_file_name = run.writeFile("sample.vlm", bundledSample());
        window.OpenTGO();
        const int layer24 = 5120 + 23 * 5120;
        const QString path = run.writeFile("short.vlm", bundledSample().left(16 + layer24));
        window.volume.current_file_name = path;
        window.OpenTGO();
        QCOMPARE(window.windowTitle(), QStringLiteral("Velmora ( %1 )").arg(path));
        QCOMPARE(rawImage(window).mid(layer24), QByteArray(131072 - layer24, '\0'));
        QCOMPARE(shownImage(window).mid(layer24), QByteArray(131072 - layer24, '\0'));
        const int cw = window.geometry.cell_width;
        const int ch = window.geometry.cell_height;
        for (int row = 0; row < 128; ++row)
            QCOMPARE(window.image3Bitmap.pixelColor(23 * cw + 1, row * ch + 1), QColor(255, 255, 255));
    }

    void aWrongMagicAfterNewShowsThePreviousImageSmoothed()
    {
        MainWindowRun run;
        TForm1 &window = run.start();
        const QString before = run.writeFile("before.vlm", uniformScan(50));
        window.volume.current_file_name = before;
        window.OpenTGO();
        ClearVolume(window.volume);
        const QString notes = run.writeFile("notes.txt", "not a scan at all");
        window.volume.current_file_name = notes;
        window.OpenTGO();
        QCOMPARE(run.dialogs.messages.size(), 1);
        QCOMPARE(run.dialogs.messages[0].text, QStringLiteral("%1 is not a Velmora scan file.").arg(notes));
        QCOMPARE(window.windowTitle(), QStringLiteral("Velmora ( %1 )").arg(before));
        QCOMPARE(window.volume.current_file_name, before);
        QCOMPARE(int(window.volume.scan_image[TraceOffset(5, 10) + 60]), 50);  // smoothed from raw 50s
        QCOMPARE(int(window.volume.scan_image[TraceOffset(24, 10) + 60]), 0);  // layer 24
        QCOMPARE(int(window.volume.scan_image[TraceOffset(5, 0) + 60]), 0);    // slice 0
        QCOMPARE(int(window.volume.scan_image[TraceOffset(5, 39) + 60]), 0);   // slice 39
        QCOMPARE(int(window.volume.scan_image[TraceOffset(5, 10) + 127]), 0);  // trace byte 127
        QCOMPARE(int(window.volume.scan_image[TraceOffset(5, 10)]), 0);        // trace byte 0
    }

    // Each handler a load runs asks for a redraw; the slice pictures are drawn
    // once, after the smoothing, and the 3-D picture renewed once.
    void anOpenDrawsEachViewOnce_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("scan file") << bundledSample();
        QTest::newRow("short file") << bundledSample().left(16 + 60000);
        QTest::newRow("not a scan file") << QByteArray("not a scan at all");
    }
    void anOpenDrawsEachViewOnce()
    {
        QFETCH(QByteArray, bytes);
        MainWindowRun run;
        TForm1 &window = run.start();
        window.volume.current_file_name = run.writeFile("opened.vlm", bytes);
        QSignalSpy sliceDrawings(&window, &TForm1::sliceImageRedrawn);
        run.d3d.calls().clear();
        window.OpenTGO();
        QCOMPARE(sliceDrawings.size(), 1);
        QCOMPARE(run.d3d.calls().filter(QStringLiteral("d3dreview_")).size(), 1);
        const QImage shown = window.image3Bitmap.copy();
        window.Image1Click();
        QCOMPARE(window.image3Bitmap, shown);
    }

    void openDialogAsksInTheLastFolder()
    {
        MainWindowRun run;
        run.environment.storeComplete();
        run.environment.store("LastDir", run.environment.folder.path());
        TForm1 &window = run.start();
        window.volume.current_file_name = QStringLiteral("/scans/kept.vlm");
        window.Open1Click();
        QCOMPARE(run.dialogs.fileDialogs.size(), 1);
        const FileDialogRequest &request = run.dialogs.fileDialogs[0];
        QCOMPARE(request.kind, FileDialogRequest::Kind::Open);
        QCOMPARE(request.title, QStringLiteral("Load file"));
        QCOMPARE(request.filter, QStringLiteral("File M7340|*.vlm"));
        QCOMPARE(request.defaultExtension, QStringLiteral("*.vlm"));
        QCOMPARE(request.initialDirectory, run.environment.folder.path());
        // cancelled: nothing changes
        QCOMPARE(window.volume.current_file_name, QStringLiteral("/scans/kept.vlm"));
        QCOMPARE(window.windowTitle(), QStringLiteral("Velmora v1.5"));
    }

    void openDialogLoadsTheChosenFile()
    {
        MainWindowRun run;
        TForm1 &window = run.start();
        const QString path = run.writeFile("chosen.vlm", bundledSample());
        run.dialogs.fileAnswers.push_back(FileDialogAnswer{path, 1});
        window.Open1Click();
        QCOMPARE(window.volume.current_file_name, path);
        QCOMPARE(rawImage(window), bundledSample().mid(16));
    }

    void aFileThatVanishesAfterTheDialogIsReported()
    {
        MainWindowRun run;
        TForm1 &window = run.start();
        const QString path = run.writeFile("vanishing.vlm", bundledSample());
        run.dialogs.fileAnswers.push_back(FileDialogAnswer{path, 1});
        QVERIFY(QFile::remove(path));
        window.Open1Click();
        QCOMPARE(run.dialogs.messages.size(), 1);
        QCOMPARE(run.dialogs.messages[0].text, QStringLiteral("Cannot open %1: No such file or directory").arg(path));
    }

    void openFromToolBarRenewsEvenWhenCancelled()
    {
        MainWindowRun run;
        TForm1 &window = run.start();
        run.d3d.calls().clear();
        window.ToolButton1->trigger();
        QCOMPARE(run.dialogs.fileDialogs.size(), 1);
        QCOMPARE(run.d3d.callsWithoutRepaints(), QStringList{"d3dreview_(40)"});
    }

    void commandLineFileLoadsAtStart()
    {
        MainWindowRun run;
        const QString path = run.writeFile("start.vlm", bundledSample());
        TForm1 &window = run.start({QStringLiteral("velmora"), path});
        QCOMPARE(window.windowTitle(), QStringLiteral("Velmora ( %1 )").arg(path));
        QCOMPARE(rawImage(window), bundledSample().mid(16));
        QCOMPARE(int(window.form_ready), 1);
    }

    // A run that never showed a scan leaves no last file to open: the next
    // start shows the start picture without a word.
    void noLastFileOpensNothingAtStart_data()
    {
        QTest::addColumn<QVariant>("lastFile");
        QTest::newRow("missing") << QVariant();
        QTest::newRow("empty") << QVariant(QString());
    }
    void noLastFileOpensNothingAtStart()
    {
        QFETCH(QVariant, lastFile);
        MainWindowRun run;
        run.environment.storeComplete();
        run.environment.store("Last_File", lastFile);
        TForm1 &window = run.start();
        QVERIFY(run.dialogs.messages.isEmpty());
        QCOMPARE(window.windowTitle(), QStringLiteral("Velmora v1.5"));
        QVERIFY(window.volume.current_file_name.isEmpty());
    }

    // A last file that cannot be shown is named once; the next start opens nothing.
    void aLastFileThatCannotBeOpenedIsNamedOnceThenForgotten_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("message");
        QTest::newRow("missing") << "unplugged.vlm" << QByteArray() << "Cannot open %1: No such file or directory";
        QTest::newRow("not a scan file") << "text.vlm" << QByteArray("hello") << "%1 is not a Velmora scan file.";
    }
    void aLastFileThatCannotBeOpenedIsNamedOnceThenForgotten()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        MainWindowRun run;
        run.environment.storeComplete();
        const QString path = bytes.isEmpty() ? run.environment.path(name) : run.writeFile(name, bytes);
        run.environment.store("Last_File", path);
        TForm1 &window = run.start();
        QCOMPARE(run.dialogs.messages.size(), 1);
        QCOMPARE(run.dialogs.messages[0].text, message.arg(path));
        QCOMPARE(window.windowTitle(), QStringLiteral("Velmora v1.5"));
        window.close();
        QCOMPARE(run.environment.stored("Last_File").toString(), QString());
        TForm1 &again = run.start();
        QCOMPARE(run.dialogs.messages.size(), 1);
        QVERIFY(again.volume.current_file_name.isEmpty());
    }

    void startUpEndsReadyWhenTheStartFileCannotBeOpened()
    {
        MainWindowRun run;
        TForm1 &window = run.start({QStringLiteral("velmora"), run.environment.path("absent.vlm")});
        QCOMPARE(run.dialogs.messages.size(), 1);
        QCOMPARE(int(window.form_ready), 1);
    }
};

QTEST_MAIN(OpenFileTest)
#include "open_file_test.moc"
