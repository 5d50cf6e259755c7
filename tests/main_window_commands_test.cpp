#include "d3d.h"
#include "main_window_run.h"
#include "platform_dialogs.h"
#include "port_window.h"
#include "print_preview_window.h"
#include "receive_window.h"
#include "report_notes_dialog.h"

#include <QAction>
#include <QDialog>
#include <QCheckBox>
#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QScrollBar>
#include <QSlider>
#include <QFrame>
#include <QLabel>
#include <QMultiMap>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QToolBar>

namespace {

struct CommandRun : MainWindowRun {
    TForm6 portWindow;
    TForm5 receiveWindow;
    TForm2 printPreview;

    TForm1 &startWithSample()
    {
        windows.portWindow = &portWindow;
        windows.receiveWindow = &receiveWindow;
        windows.printPreview = &printPreview;
        TForm1 &window = start({QStringLiteral("velmora"), writeFile("sample.vlm", bundledSample())});
        window.Timer1->stop();
        window.show();
        if (!QTest::qWaitForWindowExposed(&window))
            qWarning("the main window was not exposed");
        d3d.calls().clear();
        dialogs.modalWindows.clear();
        return window;
    }

    // A key as the person presses it: it goes to the control with the focus.
    void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QWidget *target = window->focusWidget() ? window->focusWidget() : window.get();
        QTest::keyClick(target, static_cast<Qt::Key>(key), modifiers);
    }
};

// What a command did, as the person sees it: the dialogs and windows it
// opened, the calls to the 3-D library, the clipboard and the window.
QString whatHappened(CommandRun &run, const QStringList &windowsShown, const QString &clipboardBefore)
{
    QStringList seen;
    for (const FileDialogRequest &request : run.dialogs.fileDialogs)
        seen << "file dialog " + request.title;
    for (int i = 0; i < run.dialogs.printDialogs; ++i)
        seen << "print dialog";
    for (const QString &window : windowsShown)
        seen << "window " + window;
    for (const QString &call : run.d3d.callsWithoutRepaints())
        seen << "3-D " + call;
    const QClipboard *clipboard = QGuiApplication::clipboard();
    if (clipboard->text() != clipboardBefore)
        seen << (clipboard->mimeData()->hasImage() ? "clipboard image" : "clipboard text");
    if (!run.window->isVisible())
        seen << "window closed";
    return seen.join(QStringLiteral("; "));
}

// The items' texts without the key shown after the tab.
QStringList actionTexts(const QList<QAction *> &actions)
{
    QStringList texts;
    for (const QAction *action : actions)
        if (!action->isSeparator())
            texts << action->text().section(QLatin1Char('\t'), 0, 0);
    return texts;
}

}  // namespace

class MainWindowCommandsTest : public QObject {
    Q_OBJECT

private slots:
    // The report asks for its notes first, then for the file; a cancel at
    // either question writes nothing.
    void reportAsksForNotesThenForTheFile_data()
    {
        QTest::addColumn<bool>("notesGiven");
        QTest::addColumn<bool>("fileChosen");
        QTest::newRow("written") << true << true;
        QTest::newRow("notes cancelled") << false << true;
        QTest::newRow("file dialog cancelled") << true << false;
    }
    void reportAsksForNotesThenForTheFile()
    {
        QFETCH(bool, notesGiven);
        QFETCH(bool, fileChosen);
        CommandRun run;
        TForm1 &window = run.startWithSample();
        const QString report = run.environment.path("sample-report.pdf");
        bool fileAskedFirst = false;
        run.dialogs.onModal = [&](QDialog &dialog) {
            fileAskedFirst = !run.dialogs.fileDialogs.isEmpty();
            auto *notes = qobject_cast<ReportNotesDialog *>(&dialog);
            if (!notes || !notesGiven)
                return int(QDialog::Rejected);
            notes->NotesEdit->setPlainText(QStringLiteral("Lack of fusion at the root"));
            return int(QDialog::Accepted);
        };
        run.dialogs.fileAnswers.push_back(fileChosen ? std::optional<FileDialogAnswer>({report, 1}) : std::nullopt);
        menuItem(window, "report")->trigger();

        QCOMPARE(run.dialogs.modalWindows.size(), 1);
        QVERIFY(!fileAskedFirst);
        QCOMPARE(run.dialogs.fileDialogs.size(), notesGiven ? 1 : 0);
        QCOMPARE(QFile::exists(report), notesGiven && fileChosen);
        if (!QFile::exists(report))
            return;
        QCOMPARE(run.dialogs.fileDialogs[0].fileName, report);
        QProcess text;
        text.start(QStringLiteral("pdftotext"), {report, QStringLiteral("-")});
        QVERIFY(text.waitForFinished());
        const QString words = QString::fromUtf8(text.readAllStandardOutput()).simplified();
        QVERIFY2(words.contains("Lack of fusion at the root") && words.contains("sample.vlm"), qPrintable(words));
    }

    // The notes are confirmed from the keyboard: Ctrl+Enter anywhere, or Tab
    // on to OK; Enter alone starts a new line of the notes.
    void reportNotesAreConfirmedFromTheKeyboard_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::newRow("Ctrl+Return") << "ctrl+return";
        QTest::newRow("Tab to OK, Space") << "tab space";
    }
    void reportNotesAreConfirmedFromTheKeyboard()
    {
        QFETCH(QString, keys);
        ReportNotesDialog dialog(nullptr);
        dialog.show();
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        dialog.NotesEdit->setFocus();
        QTest::keyClicks(dialog.NotesEdit, QStringLiteral("Porosity"));
        QTest::keyClick(dialog.NotesEdit, Qt::Key_Return);
        QTest::keyClicks(dialog.NotesEdit, QStringLiteral("at the root"));
        for (const QString &key : keys.split(' ')) {
            QWidget *focus = QApplication::focusWidget();
            QVERIFY(focus);
            if (key == "ctrl+return")
                QTest::keyClick(focus, Qt::Key_Return, Qt::ControlModifier);
            else
                QTest::keyClick(focus, key == "tab" ? Qt::Key_Tab : Qt::Key_Space);
        }
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.notes(), QStringLiteral("Porosity\nat the root"));
    }

    // The report draws its own 3-D picture at its own size in either layout,
    // renewed from the controls as they stand, and leaves the window's
    // picture as its last renewal left it.
    void theReportRenewsItsOwnThreeDPicture_data()
    {
        QTest::addColumn<bool>("threeDLayout");
        QTest::addColumn<int>("lastLayer");
        QTest::newRow("3-D layout, renewed") << true << 24;
        QTest::newRow("3-D layout, last layer not renewed") << true << 3;
        QTest::newRow("flat layout, last layer not renewed") << false << 3;
    }
    void theReportRenewsItsOwnThreeDPicture()
    {
        QFETCH(bool, threeDLayout);
        QFETCH(int, lastLayer);
        const QSize size(580, 547);
        const auto snapshot = [size] {
            QImage picture(size, QImage::Format_RGB32);
            d3dsnapshot_(reinterpret_cast<uint32_t *>(picture.bits()), 580, 547);
            return picture.convertToFormat(QImage::Format_RGB888);
        };
        CommandRun run;
        run.d3d = RecordingD3d(true);
        TForm1 &window = run.startWithSample();
        window.CheckBox7->setChecked(threeDLayout);
        window.Button3Click();  // after the load-time smoothing, as the report renews
        window.RxSlider6->setValue(lastLayer);
        const QImage shown = snapshot();
        const QString report = run.environment.path("sample-report.pdf");
        run.dialogs.onModal = [](QDialog &) { return int(QDialog::Accepted); };
        run.dialogs.fileAnswers.push_back(FileDialogAnswer{report, 1});
        menuItem(window, "report")->trigger();
        QVERIFY(QFile::exists(report));
        QCOMPARE(snapshot(), shown);

        QProcess images;
        images.start(QStringLiteral("pdfimages"), {QStringLiteral("-png"), report, run.environment.path("picture")});
        QVERIFY(images.waitForFinished());
        const QImage picture = QImage(run.environment.path("picture-003.png")).convertToFormat(QImage::Format_RGB888);
        QCOMPARE(picture.size(), size);
        window.Button3Click();
        QCOMPARE(picture, snapshot());
        QCOMPARE(picture == shown, lastLayer == 24);
    }

    void menusAndToolBar()
    {
        CommandRun run;
        TForm1 &window = run.startWithSample();
        const QList<QAction *> menus = window.MainMenu1->actions();
        QCOMPARE(actionTexts(menus), (QStringList{"&File", "&View", "&Setup", "&Readings", "About", "&Help"}));
        QCOMPARE(actionTexts(menus[0]->menu()->actions()),
                 (QStringList{"&New", "R&eceive data", "&Open file", "Open rece&nt", "&Browse scans…", "Save d&ata",
                              "&Report…", "Inspection re&cord…", "Co&mpare with…", "E&xit"}));
        QCOMPARE(actionTexts(menus[1]->menu()->actions()),
                 (QStringList{"&Gate maximum", "&TCG", "&Palette", "&Thickness map"}));
        QCOMPARE(actionTexts(menus[2]->menu()->actions()),
                 (QStringList{"IR setup", "Probe geometry\u2026", "&Evaluation levels\u2026", "Nominal wall\u2026"}));
        const QList<QAction *> readings = menus[3]->menu()->actions();
        const auto dac = std::find_if(readings.begin(), readings.end(),
                                      [](QAction *item) { return item->text() == QStringLiteral("&DAC"); });
        QVERIFY(dac != readings.end() && (*dac)->menu());
        QCOMPARE(actionTexts((*dac)->menu()->actions()),
                 (QStringList{"&Add point at gate peak", "&Remove last point", "&Clear DAC", "&Edit points\u2026"}));
        QStringList hints;
        for (QAction *action : window.CoolBar1->actions())
            if (!action->isSeparator() && !action->toolTip().isEmpty() && action->text() != action->toolTip())
                hints << action->toolTip();
        QCOMPARE(hints, (QStringList{"Open file(F5)", "Save data(F8)", "Print data(F6)", "Setup(F7)",
                                     "Receive data(F9)", "Renew image(F4)", "Exit(Ctrl+Q)"}));
        QCOMPARE(actionTexts(window.PopupMenu1->actions()),
                 (QStringList{"&Copy image", "Copy &data", "&Print image", "&Gate maximum", "Set &reference",
                              "C&lear reference", "Clear &measure point"}));
        QCOMPARE(window.windowTitle(), QStringLiteral("Velmora ( %1 )").arg(run.environment.path("sample.vlm")));
        QVERIFY(!(window.windowFlags() & Qt::WindowMaximizeButtonHint));
        QCOMPARE(window.minimumSize(), window.maximumSize());
    }

    // Each menu item, pop-up item and tool button runs the command bound to
    // it, and each tool tip names the key of that same command.
    void everyItemAndButtonRunsItsCommand_data()
    {
        QTest::addColumn<QString>("place");
        QTest::addColumn<QString>("item");
        QTest::addColumn<QStringList>("effect");
        const QStringList renew{"3-D d3dreview_(40)"};
        const QStringList load{"file dialog Load file"};
        const QStringList save{"file dialog Save file"};
        const QStringList print{"print dialog"};
        const QStringList portWindow{"window TForm6"};
        // the library is closed by Exit and again when the window closes
        const QStringList exit{"3-D d3dclose_", "3-D d3dclose_", "window closed"};
        QTest::newRow("New") << "&File" << "&New" << QStringList{"3-D d3dreview_(1)"};
        QTest::newRow("Receive data") << "&File" << "R&eceive data" << save;
        QTest::newRow("Open file: no renewal") << "&File" << "&Open file" << load;
        QTest::newRow("Save data") << "&File" << "Save d&ata" << save;
        QTest::newRow("Exit") << "&File" << "E&xit" << exit;
        QTest::newRow("IR setup") << "&Setup" << "IR setup" << portWindow;
        QTest::newRow("Keys") << "&Help" << "&Keys" << QStringList{"window KeysWindow"};
        QTest::newRow("Copy image") << "slice image" << "&Copy image" << QStringList{"clipboard image"};
        QTest::newRow("Copy data") << "slice image" << "Copy &data" << QStringList{"clipboard text"};
        QTest::newRow("Print image") << "slice image" << "&Print image" << print;
        QTest::newRow("Open button: then the renewal") << "tool bar" << "Open file(F5)" << load + renew;
        QTest::newRow("Save button") << "tool bar" << "Save data(F8)" << save;
        QTest::newRow("Print button") << "tool bar" << "Print data(F6)" << print;
        QTest::newRow("Setup button") << "tool bar" << "Setup(F7)" << portWindow;
        QTest::newRow("Receive button") << "tool bar" << "Receive data(F9)" << save;
        QTest::newRow("Renew button") << "tool bar" << "Renew image(F4)" << renew;
        QTest::newRow("Exit button: Ctrl+Q, not F10") << "tool bar" << "Exit(Ctrl+Q)" << exit;
        QTest::newRow("F4") << "key" << "F4" << renew;
        QTest::newRow("F5") << "key" << "F5" << load + renew;
        QTest::newRow("F6") << "key" << "F6" << print;
        QTest::newRow("F7") << "key" << "F7" << portWindow;
        QTest::newRow("F8") << "key" << "F8" << save;
        QTest::newRow("F9") << "key" << "F9" << save;
    }
    void everyItemAndButtonRunsItsCommand()
    {
        QFETCH(QString, place);
        QFETCH(QString, item);
        QFETCH(QStringList, effect);
        CommandRun run;
        TForm1 &window = run.startWithSample();
        const QString clipboardBefore = QStringLiteral("nothing copied");
        QGuiApplication::clipboard()->setText(clipboardBefore);
        QStringList windowsShown;
        run.dialogs.onModal = [&](QDialog &dialog) {
            windowsShown << dialog.metaObject()->className();
            return int(QDialog::Rejected);
        };
        if (place == "key") {
            run.press(QKeySequence(item)[0].key());
        } else if (place == "tool bar") {
            QAction *button = nullptr;
            for (QAction *action : window.CoolBar1->actions())
                if (action->toolTip() == item)
                    button = action;
            QVERIFY2(button, qPrintable("no tool button with the tip " + item));
            QTest::mouseClick(window.CoolBar1->widgetForAction(button), Qt::LeftButton);
        } else {
            QList<QAction *> items = window.PopupMenu1->actions();
            if (place != "slice image") {
                items.clear();
                for (QAction *menu : window.MainMenu1->actions())
                    if (menu->text() == place)
                        items = menu->menu()->actions();
            }
            const auto found = std::find_if(items.begin(), items.end(), [&](const QAction *action) {
                return action->text().section(QLatin1Char('\t'), 0, 0) == item;
            });
            QVERIFY2(found != items.end(), qPrintable("no item " + item + " in " + place));
            (*found)->trigger();
        }
        QCOMPARE(whatHappened(run, windowsShown, clipboardBefore), effect.join(QStringLiteral("; ")));
    }

    // The menus show the keys of their commands, while the keys stay the
    // window's: no item holds a shortcut that would take the key from it.
    void menusShowTheKeysOfTheirCommands_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("key");
        QTest::newRow("New") << "&New" << "";
        QTest::newRow("Receive data") << "R&eceive data" << "F9";
        QTest::newRow("Open file") << "&Open file" << "F5";
        QTest::newRow("Save data") << "Save d&ata" << "F8";
        QTest::newRow("IR setup") << "IR setup" << "F7";
        QTest::newRow("Copy image") << "&Copy image" << "";
        QTest::newRow("Print image") << "&Print image" << "F6";
    }
    void menusShowTheKeysOfTheirCommands()
    {
        QFETCH(QString, item);
        QFETCH(QString, key);
        CommandRun run;
        TForm1 &window = run.startWithSample();
        QList<QAction *> items = window.PopupMenu1->actions();
        for (QAction *menu : window.MainMenu1->actions())
            if (menu->menu())
                items += menu->menu()->actions();
        const auto found = std::find_if(items.begin(), items.end(), [&](const QAction *action) {
            return action->text().section(QLatin1Char('\t'), 0, 0) == item;
        });
        QVERIFY(found != items.end());
        QCOMPARE((*found)->text().section(QLatin1Char('\t'), 1), key);
        QVERIFY((*found)->shortcut().isEmpty());
    }

    // Help, Keys lists every key of the main window, each once, and those of
    // the print preview.
    void helpListsEveryKey()
    {
        CommandRun run;
        TForm1 &window = run.startWithSample();
        QMultiMap<QString, QString> listed;
        run.dialogs.onModal = [&](QDialog &dialog) {
            for (const QTableWidget *table : dialog.findChildren<QTableWidget *>())
                for (int row = 0; row < table->rowCount(); ++row)
                    listed.insert(table->item(row, 0)->text(), table->item(row, 1)->text());
            return int(QDialog::Rejected);
        };
        const QList<QAction *> menus = window.MainMenu1->actions();
        QCOMPARE(actionTexts(menus.last()->menu()->actions()), QStringList{"&Keys"});
        menus.last()->menu()->actions().first()->trigger();
        QCOMPARE(run.dialogs.modalWindows.size(), 1);
        QStringList mainKeys = listed.values("Main window");
        mainKeys.sort();
        QStringList expected{"Alt+Left", "Alt+Up", "Alt+Right", "Alt+Down", "Alt+1", "Alt+3", "Alt+4", "Alt+5",
                             "Alt+6", "Alt+7"};
        for (int n = 2; n <= 12; ++n)
            expected << QStringLiteral("F%1").arg(n);
        expected.sort();
        QCOMPARE(mainKeys, expected);
        QStringList previewKeys = listed.values("Print preview");
        previewKeys.sort();
        QCOMPARE(previewKeys, (QStringList{"1", "F2", "F3", "F4"}));
        QStringList menuKeys = listed.values("Menus");
        menuKeys.sort();
        QCOMPARE(menuKeys, (QStringList{"Ctrl+B", "Ctrl+G", "Ctrl+I", "Ctrl+L", "Ctrl+M", "Ctrl+Q", "Ctrl+R", "Ctrl+Shift+R",
                                         "Ctrl+T", "Esc"}));
    }

    // Every caption and read-out of the panels shows its whole text, the
    // read-outs at their longest (the deepest row in the coarsest scale).
    void panelTextsFit_data()
    {
        QTest::addColumn<QSize>("client");
        QTest::newRow("design size") << QSize(796, 648);
        QTest::newRow("wider") << QSize(1196, 648);
    }
    void panelTextsFit()
    {
        QFETCH(QSize, client);
        CommandRun run;
        TForm1 &window = run.startWithSample();
        QByteArray deep = bundledSample();
        deep[16 + 2052] = char(deep[16 + 2052] | 0x03);
        window.volume.current_file_name = run.writeFile("deep.vlm", deep);
        window.OpenTGO();
        window.ScrollBar1->setValue(127);
        window.ScrollBar2->setValue(39);
        window.ScrollBar3->setValue(24);
        window.RxSlider2->setValue(126);
        QCOMPARE(window.Label8->text(), QStringLiteral("1587 mm"));
        QCOMPARE(window.RxLabel8->text(), QStringLiteral("1575 mm"));
        window.ClientArea->resize(client);
        for (QWidget *panel : {static_cast<QWidget *>(window.Panel9), static_cast<QWidget *>(window.Panel1)}) {
            for (const QLabel *label : panel->findChildren<QLabel *>()) {
                const int needed = label->fontMetrics().horizontalAdvance(label->text());
                QVERIFY2(needed <= label->contentsRect().width(), qPrintable(label->text()));
            }
            for (const QAbstractButton *button : panel->findChildren<QAbstractButton *>())
                if (!button->text().isEmpty())
                    QVERIFY2(button->sizeHint().width() <= button->width(), qPrintable(button->text()));
        }
        // the spare width goes to the cursor's scroll bars
        const int spare = client.width() - 796;
        for (const QScrollBar *bar : {window.ScrollBar1, window.ScrollBar2, window.ScrollBar3})
            QCOMPARE(bar->width(), 58 + spare);
    }

    void altOneIsAClickOnSmoothing()
    {
        CommandRun run;
        TForm1 &window = run.startWithSample();
        window.CheckBox7->setChecked(false);
        const QImage flat = window.image3Bitmap;
        run.press(Qt::Key_1, Qt::AltModifier);
        QVERIFY(window.CheckBox4->isChecked());
        QCOMPARE(int(window.smoothing), 1);
        QVERIFY(window.image3Bitmap != flat);
        run.press(Qt::Key_1, Qt::AltModifier);
        QVERIFY(!window.CheckBox4->isChecked());
        QCOMPARE(window.image3Bitmap, flat);
    }

    void otherAltsAndShiftStatesDoNothing_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("Alt+2") << int(Qt::Key_2) << int(Qt::AltModifier);
        QTest::newRow("Ctrl+Alt+1") << int(Qt::Key_1) << int(Qt::AltModifier | Qt::ControlModifier);
        QTest::newRow("Shift+Alt+1") << int(Qt::Key_1) << int(Qt::AltModifier | Qt::ShiftModifier);
        QTest::newRow("Alt+1 on the keypad") << int(Qt::Key_1) << int(Qt::AltModifier | Qt::KeypadModifier);
        QTest::newRow("1 alone") << int(Qt::Key_1) << int(Qt::NoModifier);
    }
    void otherAltsAndShiftStatesDoNothing()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        CommandRun run;
        TForm1 &window = run.startWithSample();
        const bool frames = window.CheckBox1->isChecked();
        window.idle_ticks = 40;
        run.press(key, Qt::KeyboardModifiers(modifiers));
        QVERIFY(!window.CheckBox4->isChecked());
        QCOMPARE(window.CheckBox1->isChecked(), frames);
        QVERIFY(window.CheckBox7->isChecked());
        QCOMPARE(window.idle_ticks, 0);  // but every key counts as activity
        QVERIFY(run.d3d.callsWithoutRepaints().isEmpty());
    }

    void keysOfMenuItemsCountAsActivity()
    {
        CommandRun run;
        TForm1 &window = run.startWithSample();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        window.idle_ticks = 40;
        // Escape, "Clear measure point", comes through the window system as a
        // shortcut and never as a key press
        QTest::keyClick(window.windowHandle(), Qt::Key_Escape);
        QCOMPARE(window.idle_ticks, 0);
    }

    void altThreeAndFourSwitchFramesAndLayout()
    {
        CommandRun run;
        TForm1 &window = run.startWithSample();
        run.press(Qt::Key_3, Qt::AltModifier);
        QCOMPARE(run.d3d.callsWithoutRepaints(), QStringList{"d3dtype_(1)"});
        run.press(Qt::Key_4, Qt::AltModifier);
        QVERIFY(!window.CheckBox7->isChecked());
        QVERIFY(window.Panel5->isVisible());
    }

    void altFiveToSevenFocusTheScrollBars()
    {
        CommandRun run;
        TForm1 &window = run.startWithSample();
        run.press(Qt::Key_5, Qt::AltModifier);
        QCOMPARE(window.focusWidget(), window.ScrollBar2);
        run.press(Qt::Key_Right);
        run.press(Qt::Key_Right);
        QCOMPARE(window.ScrollBar2->value(), 2);
        run.press(Qt::Key_7, Qt::AltModifier);
        QCOMPARE(window.focusWidget(), window.ScrollBar1);
        window.ScrollBar3->setEnabled(false);
        run.press(Qt::Key_6, Qt::AltModifier);
        QCOMPARE(window.focusWidget(), window.ScrollBar1);  // a disabled scroll bar takes no focus
    }

    void altArrowsTurnThePicture_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("call");
        QTest::newRow("left") << int(Qt::Key_Left) << "d3drotate_(0,-3,0)";
        QTest::newRow("right") << int(Qt::Key_Right) << "d3drotate_(0,3,0)";
        QTest::newRow("up") << int(Qt::Key_Up) << "d3drotate_(0,0,-3)";
        QTest::newRow("down") << int(Qt::Key_Down) << "d3drotate_(0,0,3)";
    }
    void altArrowsTurnThePicture()
    {
        QFETCH(int, key);
        QFETCH(QString, call);
        CommandRun run;
        TForm1 &window = run.startWithSample();
        run.press(Qt::Key_5, Qt::AltModifier);  // the focused scroll bar must not move with it
        run.d3d.calls().clear();
        run.press(key, Qt::AltModifier);
        QCOMPARE(run.d3d.callsWithoutRepaints(), QStringList{call});
        QCOMPARE(window.ScrollBar2->value(), 0);
    }

    void functionKeysReachTheirHandlers_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("expected");
        QTest::newRow("F2") << int(Qt::Key_F2) << 0 << "call d3dscale_(0.1,0.1,0.1)";
        QTest::newRow("Alt+F2") << int(Qt::Key_F2) << int(Qt::AltModifier) << "call d3dscale_(0.1,0.1,0.1)";
        QTest::newRow("F3") << int(Qt::Key_F3) << 0 << "call d3dscale_(-0.1,-0.1,-0.1)";
        QTest::newRow("F4") << int(Qt::Key_F4) << 0 << "call d3dreview_(40)";
        QTest::newRow("F5") << int(Qt::Key_F5) << 0 << "dialog Load file";
        QTest::newRow("F6") << int(Qt::Key_F6) << 0 << "print dialog";
        QTest::newRow("F7") << int(Qt::Key_F7) << 0 << "port window";
        QTest::newRow("F8") << int(Qt::Key_F8) << int(Qt::ShiftModifier) << "dialog Save file";
        QTest::newRow("F9") << int(Qt::Key_F9) << int(Qt::ControlModifier) << "dialog Save file";
        QTest::newRow("F10") << int(Qt::Key_F10) << 0 << "message Shutdown computer ?";
        QTest::newRow("F11") << int(Qt::Key_F11) << 0 << "call d3drotate_(0,3,0)";
        QTest::newRow("F12") << int(Qt::Key_F12) << 0 << "call d3drotate_(0,-3,0)";
        QTest::newRow("Ctrl+Q: Exit, as the tool button") << int(Qt::Key_Q) << int(Qt::ControlModifier)
                                                         << "call d3dclose_";
    }
    void functionKeysReachTheirHandlers()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, expected);
        CommandRun run;
        TForm1 &window = run.startWithSample();
        run.press(key, Qt::KeyboardModifiers(modifiers));
        const QString what = expected.section(' ', 0, 0);
        const QString detail = expected.section(' ', 1);
        if (what == "call")
            QCOMPARE(run.d3d.callsWithoutRepaints().value(0), detail);
        else if (what == "dialog")
            QCOMPARE(run.dialogs.fileDialogs.value(0).title, detail);
        else if (what == "print")
            QCOMPARE(run.dialogs.printDialogs, 1);
        else if (what == "port")
            QCOMPARE(run.dialogs.modalWindows.value(0), &run.portWindow);
        else
            QCOMPARE(run.dialogs.messages.value(0).text, detail);
        (void)window;
    }

    void f5WithACancelledDialogStillRenews()
    {
        CommandRun run;
        run.startWithSample();
        run.press(Qt::Key_F5);
        QCOMPARE(run.dialogs.fileDialogs.size(), 1);
        QCOMPARE(run.d3d.callsWithoutRepaints(), QStringList{"d3dreview_(40)"});
    }

    // The empty volume is no file's: the caption, the printed page and the
    // last file name none.
    void newClearsTheImageTheVoxelsAndTheName()
    {
        CommandRun run;
        TForm1 &window = run.startWithSample();
        window.N1->trigger();
        for (int i = 0; i <= 131072; i += 97) {
            QCOMPARE(int(window.volume.scan_image[i]), 0);
            QCOMPARE(int(window.volume.voxels[i]), 0);
        }
        QCOMPARE(window.windowTitle(), QStringLiteral("Velmora v1.5"));
        QCOMPARE(window.volume.current_file_name, QString());
        QCOMPARE(window.printSubject().fileName, QString());
        QCOMPARE(run.d3d.callsWithoutRepaints(), QStringList{"d3dreview_(1)"});
        QCOMPARE(int(window.volume.slice_grid.at(5, 5)), 255);  // redrawn empty
    }

    void copyImagePutsTheDrawnBitmapOnTheClipboard()
    {
        CommandRun run;
        TForm1 &window = run.startWithSample();
        window.Copy1->trigger();
        const QImage copied = QGuiApplication::clipboard()->image();
        QCOMPARE(copied.size(), window.image3Bitmap.size());
        QCOMPARE(copied.convertToFormat(QImage::Format_RGB888),
                 window.image3Bitmap.convertToFormat(QImage::Format_RGB888));
    }

    void shutdownOnYesWritesTheSettingsFirst()
    {
        CommandRun run;
        TForm1 &window = run.startWithSample();
        window.RxSlider1->setValue(77);
        run.dialogs.messageAnswers.push_back(MessageAnswer::Yes);
        run.press(Qt::Key_F10);
        QCOMPARE(run.dialogs.messages.last().icon, MessageIcon::Warning);
        QCOMPARE(run.dialogs.messages.last().buttons, MessageButtons::YesNo);
        QCOMPARE(run.power.requests, 1);
        QCOMPARE(run.environment.stored("Bright").toInt(), 77);
        QCOMPARE(run.environment.stored("Last_File").toString(), run.environment.path("sample.vlm"));
    }

    void shutdownOnNoDoesNothing()
    {
        CommandRun run;
        TForm1 &window = run.startWithSample();
        window.RxSlider1->setValue(77);
        run.dialogs.messageAnswers.push_back(MessageAnswer::No);
        window.BitBtn6Click();
        QCOMPARE(run.power.requests, 0);
        QVERIFY(run.environment.stored("Bright").toInt() != 77);
    }

    void strayKeysInTheShutdownPromptAnswerNo_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Enter") << int(Qt::Key_Return);
        QTest::newRow("Escape") << int(Qt::Key_Escape);
    }
    void strayKeysInTheShutdownPromptAnswerNo()
    {
        QFETCH(int, key);
        CommandRun run;
        run.startWithSample();
        PlatformDialogs platform;
        ScopedDialogSeam realBoxes(platform);
        int boxesSeen = 0;
        QTimer keys;
        QObject::connect(&keys, &QTimer::timeout, [&] {
            if (QWidget *box = QApplication::activeModalWidget()) {
                ++boxesSeen;
                QTest::keyClick(box, Qt::Key(key));
            }
        });
        keys.start(50);
        run.press(Qt::Key_F10);
        QCOMPARE(boxesSeen, 1);
        QCOMPARE(run.power.requests, 0);
    }

    void aRefusedShutdownChangesNothingElse()
    {
        CommandRun run;
        TForm1 &window = run.startWithSample();
        run.power.refuses = true;
        run.dialogs.messageAnswers.push_back(MessageAnswer::Yes);
        window.BitBtn6Click();
        QCOMPARE(run.power.requests, 1);
        QVERIFY(window.isVisible());
        QCOMPARE(run.dialogs.messages.size(), 1);
    }
};

QTEST_MAIN(MainWindowCommandsTest)
#include "main_window_commands_test.moc"
