#include "main_window_run.h"
#include "scan_browser_window.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>

namespace {

// A scan of zeros but for samples 30 and 60 at trace bytes 20 and 90 of
// layer 24, slice 0: a trace the load-time smoothing leaves alone.
QByteArray scanWithTwoSamples()
{
    QByteArray image(131072, '\0');
    image[5120 * 24 + 20] = 30;
    image[5120 * 24 + 90] = 60;
    return scanFileOf(image);
}

// The copied grey level of view Z's cell of layer 24, slice 0.
QString copiedCell(TForm1 &window)
{
    window.Copydata1->trigger();
    return QGuiApplication::clipboard()->text().split('\n').value(23).split('\t').value(0);
}

}  // namespace

class ScanBrowserWindowTest : public QObject {
    Q_OBJECT

private slots:
    void theSwitchShowsTheGateMaximumAndCopyDataTakesIt_data()
    {
        QTest::addColumn<bool>("gateOn");
        QTest::addColumn<int>("top");
        QTest::addColumn<int>("bottom");
        QTest::addColumn<QString>("cell");
        QTest::addColumn<QString>("note");
        // at brightness 1 the factor is 2.04: 30 gives 255 - 61, 60 gives 255 - 122
        QTest::newRow("off: depth position 1") << false << 0 << 127 << "255" << "";
        QTest::newRow("whole depth") << true << 0 << 127 << "133" << "Gate maximum 0 mm to 158 mm";
        QTest::newRow("gate over byte 20 only") << true << 0 << 50 << "194" << "Gate maximum 0 mm to 62 mm";
        QTest::newRow("gate between the samples") << true << 20 << 88 << "255" << "Gate maximum 25 mm to 110 mm";
    }
    void theSwitchShowsTheGateMaximumAndCopyDataTakesIt()
    {
        QFETCH(bool, gateOn);
        QFETCH(int, top);
        QFETCH(int, bottom);
        QFETCH(QString, cell);
        QFETCH(QString, note);
        MainWindowRun run;
        TForm1 &window = run.start();
        window.OpenChosenFile(run.writeFile("two.vlm", scanWithTwoSamples()));
        window.RxSlider1->setValue(1);
        window.RadioButton3->setChecked(true);
        QCOMPARE(window.GateMaximumItem->shortcut(), QKeySequence(QStringLiteral("Ctrl+G")));
        if (gateOn)
            window.GateMaximumItem->trigger();
        window.RxSlider4->setValue(bottom);
        window.RxSlider2->setValue(top);
        QCOMPARE(copiedCell(window), cell);
        QCOMPARE(window.GateNote->isHidden(), note.isEmpty());
        QCOMPARE(window.GateNote->text(), note);
        // the status line of the cursor keeps its own text
        QCOMPARE(window.StatusBar1->currentMessage(), QStringLiteral("1 layer:1 slice:1 mm"));
    }

    void openingFromTheBrowserIsOpeningAFile()
    {
        MainWindowRun run;
        TForm1 &window = run.start();
        QVERIFY(QDir(run.environment.folder.path()).mkdir("site"));
        const QByteArray sample = bundledSample();
        for (const char *name : {"site/a.vlm", "site/b.vlm", "site/c.vlm"})
            QVERIFY(!run.writeFile(name, sample).isEmpty());
        run.dialogs.fileAnswers.push_back(FileDialogAnswer{run.environment.path("site"), 1});
        menuItem(window, "browse-scans")->trigger();
        QCOMPARE(run.dialogs.fileDialogs.last().kind, FileDialogRequest::Kind::Folder);
        ScanBrowserWindow *browser = window.ScanBrowser;
        QVERIFY(browser && browser->isVisible());
        // below the main window's menu bar and tool bar, not over them
        QVERIFY(browser->frameGeometry().top() >= window.CoolBar1->mapToGlobal(QPoint(0, window.CoolBar1->height())).y());
        QCOMPARE(browser->ScanList->count(), 3);
        QTRY_VERIFY(!browser->CancelButton->isEnabled());

        QTest::keyClick(browser->ScanList, Qt::Key_Right);
        QTest::keyClick(browser->ScanList, Qt::Key_Return);
        const QString opened = run.environment.path("site/b.vlm");
        QCOMPARE(window.windowTitle(), QStringLiteral("Velmora ( %1 )").arg(opened));
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(window.volume.raw_image.data()), 131072), sample.mid(16));
        QVERIFY(run.dialogs.messages.isEmpty());
        window.close();
        QCOMPARE(run.environment.stored("Last_File").toString(), opened);
    }

    void cancelStopsTheThumbnails()
    {
        MainWindowRun run;
        TForm1 &window = run.start();
        QVERIFY(QDir(run.environment.folder.path()).mkdir("many"));
        const QByteArray sample = bundledSample();
        for (int i = 0; i < 200; ++i)
            QVERIFY(!run.writeFile(QStringLiteral("many/scan%1.vlm").arg(i), sample).isEmpty());
        run.dialogs.fileAnswers.push_back(FileDialogAnswer{run.environment.path("many"), 1});
        menuItem(window, "browse-scans")->trigger();
        ScanBrowserWindow *browser = window.ScanBrowser;
        QVERIFY(browser->CancelButton->isEnabled());
        QTest::mouseClick(browser->CancelButton, Qt::LeftButton);
        QVERIFY(!browser->CancelButton->isEnabled());
        QVERIFY(browser->Progress->format().startsWith("Cancelled"));
        const int made = browser->Progress->value();
        QTest::qWait(500);
        QCOMPARE(browser->Progress->value(), made);
        QVERIFY(made < 200);
    }

    void anUnreadableFolderIsReported()
    {
        MainWindowRun run;
        TForm1 &window = run.start();
        run.dialogs.fileAnswers.push_back(FileDialogAnswer{run.environment.path("gone"), 1});
        menuItem(window, "browse-scans")->trigger();
        QCOMPARE(run.dialogs.messages.size(), 1);
        QVERIFY(run.dialogs.messages[0].text.contains(run.environment.path("gone")));
        QVERIFY(!window.ScanBrowser || window.ScanBrowser->isHidden());
    }
};

QTEST_MAIN(ScanBrowserWindowTest)
#include "scan_browser_window_test.moc"
