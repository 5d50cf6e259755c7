#include "about_window.h"
#include "main_window_run.h"
#include "splash_window.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QPixmap>
#include <QLabel>
#include <QScrollBar>
#include <QStatusBar>
#include <QSlider>
#include <QTest>

#include <sys/stat.h>


class MainWindowStartupTest : public QObject {
    Q_OBJECT

private:
    using Run = MainWindowRun;

private slots:
    void firstStartWritesTheDefaults()
    {
        Run run;
        TForm1 &window = run.start();
        QCOMPARE(run.environment.stored("FileName").toString(), QStringLiteral("unnamed.vlm"));
        QCOMPARE(run.environment.stored("Light").toInt(), 1);
        QCOMPARE(run.environment.stored("Line").toInt(), 0);
        QCOMPARE(run.environment.stored("Solid").toInt(), 1);
        QCOMPARE(run.environment.stored("Zone").toInt(), 1);
        QCOMPARE(run.environment.stored("Bright").toInt(), 128);
        QCOMPARE(run.environment.stored("Level").toInt(), 40);
        QCOMPARE(run.environment.stored("Port").toInt(), 0);
        QCOMPARE(run.environment.stored("Mode").toInt(), 1);
        QVERIFY(!run.environment.stored("Last_File").isValid());
        QCOMPARE(window.port_number, 0);
        QCOMPARE(window.RxSlider1->value(), 128);
        QCOMPARE(window.RxSlider3->value(), 40);
        QVERIFY(window.CheckBox1->isChecked());
        QCOMPARE(int(window.external_adapter), 0);
        QCOMPARE(window.light_on, 1);
        QCOMPARE(window.RxLabel6->text(), QStringLiteral("Port : COM0 speed : 115200"));
        QCOMPARE(int(window.form_ready), 1);
        QVERIFY(window.volume.current_file_name.isEmpty());
        QVERIFY(run.dialogs.messages.isEmpty());
    }

    void storedValuesReachTheControls()
    {
        Run run;
        run.environment.storeComplete();
        run.environment.store("Zone", 0);
        TForm1 &window = run.start();
        QCOMPARE(window.RxSlider1->value(), 100);
        QCOMPARE(window.RxSlider3->value(), 50);
        QVERIFY(!window.CheckBox1->isChecked());
        QCOMPARE(window.turn_angle, -24);
        QCOMPARE(window.tilt_angle, 6);
        QCOMPARE(window.ScrollBar2->value(), 0);
        QCOMPARE(window.ScrollBar3->value(), 1);
        QCOMPARE(window.ScrollBar1->value(), 1);
        // the cursor update of the start sequence fills the read-outs
        QCOMPARE(window.Label6->text(), QStringLiteral("1 slice"));
        QCOMPARE(window.Label7->text(), QStringLiteral("1 layer"));
        QCOMPARE(window.Label8->text(), QStringLiteral("1 mm"));
        QCOMPARE(window.StatusBar1->currentMessage(), QStringLiteral("1 layer:1 slice:1 mm"));
    }

    void valueNamesAreMatchedWithoutRegardToCase()
    {
        Run run;
        run.environment.storeComplete();
        run.environment.store("Bright", QVariant());
        run.environment.store("bRIGHT", 90);
        TForm1 &window = run.start();
        QCOMPARE(window.RxSlider1->value(), 90);
        window.close();
        QCOMPARE(run.environment.stored("Bright").toInt(), 90);
        QVERIFY(!run.environment.stored("bRIGHT").isValid());
    }

    void aMissingValueRewritesAllDefaults()
    {
        Run run;
        run.environment.storeComplete();
        run.environment.store("Level", QVariant());
        // a last file that opens: one that cannot be shown is forgotten at start
        const QString kept = run.writeFile("kept.vlm", bundledSample());
        run.environment.store("Last_File", kept);
        TForm1 &window = run.start();
        QCOMPARE(run.environment.stored("Bright").toInt(), 128);
        QCOMPARE(run.environment.stored("Level").toInt(), 40);
        QCOMPARE(window.RxSlider1->value(), 128);
        QCOMPARE(run.environment.stored("Last_File").toString(), kept);
    }

    void modeZeroIsReadAndWrittenBack()
    {
        Run run;
        run.environment.storeComplete();
        run.environment.store("Mode", 0);
        TForm1 &window = run.start();
        QCOMPARE(int(window.external_adapter), 1);
        // the stored port (0) does not open: the check stores the adapter choice it found
        QCOMPARE(run.environment.stored("Mode").toInt(), 0);
        window.close();
        QCOMPARE(run.environment.stored("Mode").toInt(), 0);
    }

    void closingWritesTheRunsSettings()
    {
        Run run;
        run.environment.storeComplete();
        run.environment.store("Line", 0);
        run.environment.store("Solid", 0);
        TForm1 &window = run.start();
        window.RxSlider1->setValue(77);
        window.RxSlider3->setValue(12);
        window.CheckBox1->setChecked(false);
        window.volume.current_file_name = QStringLiteral("/scans/weld/plate.vlm");
        window.port_number = 3;
        window.close();
        QCOMPARE(run.environment.stored("Line").toInt(), 1);
        QCOMPARE(run.environment.stored("Solid").toInt(), 1);
        QCOMPARE(run.environment.stored("Bright").toInt(), 77);
        QCOMPARE(run.environment.stored("Level").toInt(), 12);
        QCOMPARE(run.environment.stored("Zone").toInt(), 0);
        QCOMPARE(run.environment.stored("Port").toInt(), 3);
        QCOMPARE(run.environment.stored("FileName").toString(), QStringLiteral("/scans/weld/plate.vlm"));
        QCOMPARE(run.environment.stored("Last_File").toString(), QStringLiteral("/scans/weld/plate.vlm"));
        QCOMPARE(run.environment.stored("LastDir").toString(), QStringLiteral("/scans/weld"));
    }

    void commandLineFileWinsOverLastFile()
    {
        Run run;
        run.environment.storeComplete();
        run.environment.store("Last_File", run.writeFile("last.vlm", bundledSample()));
        const QString named = run.writeFile("named.vlm", bundledSample());
        TForm1 &window = run.start({QStringLiteral("velmora"), named});
        QCOMPARE(window.volume.current_file_name, named);
    }

    void commandLineFileOpensWithoutInstallDir()
    {
        Run run;
        run.environment.storeComplete();
        run.environment.store("InstallDir", QStringLiteral("/opt/velmora"));
        const QString absolute = run.writeFile("relative.vlm", bundledSample());
        const QString previous = QDir::currentPath();
        QDir::setCurrent(run.environment.folder.path());
        TForm1 &window = run.start({QStringLiteral("velmora"), QStringLiteral("relative.vlm")});
        QDir::setCurrent(previous);
        QCOMPARE(window.volume.current_file_name, absolute);
    }

    void lastFileIsTheStartFileWithoutCommandLine()
    {
        Run run;
        run.environment.storeComplete();
        const QString last = run.writeFile("last.vlm", bundledSample());
        run.environment.store("Last_File", last);
        run.environment.store("LastDir", QStringLiteral("/scans"));
        TForm1 &window = run.start();
        QCOMPARE(window.volume.current_file_name, last);
        QCOMPARE(window.last_dir, QStringLiteral("/scans"));
    }

    void aSettingsFileThatCannotBeReadIsLeftAsItIs_data()
    {
        QTest::addColumn<bool>("fifo");
        QTest::addColumn<QString>("reason");
        QTest::newRow("a FIFO") << true << "not a regular file (a FIFO)";
        QTest::newRow("30 MB") << false << "it holds 31457280 bytes, more than the 1048576 bytes (1 MB)";
    }
    void aSettingsFileThatCannotBeReadIsLeftAsItIs()
    {
        QFETCH(bool, fifo);
        QFETCH(QString, reason);
        Run run;
        const QString path = SettingsStore::filePath();
        QDir().mkpath(QFileInfo(path).absolutePath());
        QByteArray bytes = "[General]\nBright=100\nLevel=50\n";
        if (fifo) {
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        } else {
            bytes.resize(30 * 1024 * 1024, ' ');
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
        }
        TForm1 &window = run.start();
        QCOMPARE(window.RxSlider1->value(), 128);
        QCOMPARE(window.RxSlider3->value(), 40);
        window.RxSlider1->setValue(77);
        window.close();
        QCOMPARE(run.dialogs.messages.size(), 1);
        QVERIFY2(run.dialogs.messages[0].text.contains(path + " is not read: " + reason),
                 qPrintable(run.dialogs.messages[0].text));
        const QFileInfo left(path);
        if (fifo) {
            QVERIFY(!left.isFile() && left.exists());
        } else {
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QVERIFY(file.readAll() == bytes);
        }
    }

    void libraryStartOrder_data()
    {
        QTest::addColumn<int>("zone");
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QStringList>("afterType");
        QTest::newRow("frames stored on") << 1 << QStringList{"d3dtype_(1)"} << QStringList{};
        QTest::newRow("frames stored off") << 0 << QStringList{} << QStringList{"d3dzone_"};
    }
    void libraryStartOrder()
    {
        QFETCH(int, zone);
        QFETCH(QStringList, before);
        QFETCH(QStringList, afterType);
        Run run;
        run.environment.storeComplete();
        run.environment.store("Zone", zone);
        TForm1 &window = run.start();
        const QString area = QStringLiteral("d3dsize_(%1,%2)")
                                 .arg(window.ClientArea->width() - 216)
                                 .arg(window.ClientArea->height() - 33 - 68);
        const QStringList expected = before + QStringList{"d3dinit_(131072,93)", "d3dlight_(1)",
                                                          "d3drotate_(0,-24,6)", "d3dtype_(1)"}
                                     + afterType
                                     + QStringList{"d3dmove_(2,63,0)", "d3dcurse_", "d3dreview_(1)",
                                                   "d3dzero_(0,68)", area, "d3dzero_(0,68)", area};
        QCOMPARE(run.d3d.callsWithoutRepaints(), expected);
    }

    void generalErrorReportEndsOnlyTheHandler()
    {
        Run run;
        TForm1 &window = run.start();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        run.d3d.calls().clear();
        // too small for the 3-D area: its height would not fit 16 bits unsigned
        window.ClientArea->resize(300, 80);
        QCOMPARE(run.dialogs.messages.size(), 1);
        QCOMPARE(run.dialogs.messages[0].caption, QStringLiteral("Velmora v.1.5"));
        QCOMPARE(run.dialogs.messages[0].text, QStringLiteral("Range check error."));
        QCOMPARE(run.dialogs.messages[0].icon, MessageIcon::Error);
        QVERIFY(!run.d3d.calls().join(' ').contains("d3dsize_"));
        window.ClientArea->resize(796, 648);
        QCOMPARE(run.dialogs.messages.size(), 1);
        QCOMPARE(run.d3d.callsWithoutRepaints(), (QStringList{"d3dzero_(0,68)", "d3dsize_(580,547)"}));
    }

    void rulersAtStartFollowTheSliceBitmap_data()
    {
        QTest::addColumn<bool>("withStartFile");
        QTest::newRow("no start file") << false;
        QTest::newRow("a start file that cannot be opened") << true;
    }
    void rulersAtStartFollowTheSliceBitmap()
    {
        QFETCH(bool, withStartFile);
        Run run;
        run.environment.storeComplete();
        if (withStartFile)
            run.environment.store("Last_File", run.environment.path("missing.vlm"));
        TForm1 &window = run.start();
        // view X: a short tick on every second depth row of the bitmap that stays
        const int cellHeight = std::max((window.image3Bitmap.height() - 1) / 128, 2);
        QVERIFY2(cellHeight > 2, "the screen is too small to tell the bitmaps apart");
        const QImage left = window.Image8->pixmap().toImage();
        for (int y = 2; y < 4 * cellHeight; ++y)
            QCOMPARE(left.pixelColor(18, y) == QColor(Qt::black), y % (2 * cellHeight) == 0);
    }

    // Once the window manager has framed the window, it is fitted again: the
    // slice image then is as wide as the bottom ruler less the left one and
    // as high as the left ruler, and is drawn afresh.
    void aLaterFitGivesTheSliceImageItsNewSize()
    {
        Run run;
        run.environment.storeComplete();
        TForm1 &window = run.start();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QSize before = window.image3Bitmap.size();
        window.setFixedSize(window.size() - QSize(40, 60));
        const QSize after(window.Image7->width() - window.Image8->width(), window.Image8->height());
        QCOMPARE(after, before - QSize(40, 60));
        QCOMPARE(window.image3Bitmap.size(), after);
        QCOMPARE(window.image3Bitmap.pixelColor(0, 0), QColor(255, 64, 64));  // drawn: the cursor cell
        QCOMPARE(window.geometry.cell_height, std::max((after.height() - 1) / 128, 2));
    }

    void firstPaintHidesTheSplash()
    {
        Run run;
        auto *splash = new TForm4;
        run.windows.splash = splash;
        splash->showAndPaint();
        TForm1 &window = run.start();
        QVERIFY(splash->isVisible());
        window.splash_pending = 1;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTRY_VERIFY(!splash->isVisible());
        QCOMPARE(int(window.splash_pending), 0);
        QVERIFY(run.d3d.calls().contains("d3dupdate_"));
        window.close();
        QVERIFY(run.windows.splash.isNull());
    }

    void exitClosesTheLibraryThenTheWindow()
    {
        Run run;
        TForm1 &window = run.start();
        run.d3d.calls().clear();
        window.Exit1Click();
        QCOMPARE(run.d3d.calls(), (QStringList{"d3dclose_", "d3dclose_"}));
        QCOMPARE(run.environment.stored("Line").toInt(), 1);
        QCOMPARE(window.volume.voxels.size(), 0);
    }

    void aboutShowsItsWindowModally()
    {
        Run run;
        TForm_10 about;
        run.windows.about = &about;
        TForm1 &window = run.start();
        window.About1Click();
        QCOMPARE(run.dialogs.modalWindows.size(), 1);
        QCOMPARE(run.dialogs.modalWindows[0], &about);
        QCOMPARE(about.windowTitle(), QStringLiteral("about Velmora v1.5"));
        QVERIFY(about.windowFlags() & Qt::WindowStaysOnTopHint);
    }
};

QTEST_MAIN(MainWindowStartupTest)
#include "main_window_startup_test.moc"
