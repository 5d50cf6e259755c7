// The main window at home on the desktop: File ▸ Open recent, the desktop's
// recent list after an open, and files dropped on the window.

#include "main_window_run.h"
#include "scan_browser_window.h"

#include <QDropEvent>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QTest>
#include <QUrl>

namespace {

QStringList recentItems(TForm1 &window, QList<QAction *> *items = nullptr)
{
    QMenu *menu = window.findChild<QMenu *>(QStringLiteral("open-recent"));
    emit menu->aboutToShow();
    QStringList texts;
    for (QAction *item : menu->actions())
        texts << item->text() + (item->isEnabled() ? "" : " (disabled)");
    if (items)
        *items = menu->actions();
    return texts;
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Drags the URLs onto the window and drops them there, as the window
// system would; gives whether the window took the drag.
bool dropOn(TForm1 &window, const QList<QUrl> &urls, const QString &text = {})
{
    QMimeData data;
    if (!urls.isEmpty())
        data.setUrls(urls);
    if (!text.isEmpty())
        data.setText(text);
    const QPoint at(100, 100);
    // Shift proposes a move, as a file manager does between folders of one disk
    QDragEnterEvent enter(at, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::ShiftModifier);
    QCoreApplication::sendEvent(&window, &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent drop(at, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::ShiftModifier);
    QCoreApplication::sendEvent(&window, &drop);
    // taken as a copy: the file manager would remove a moved file
    return drop.isAccepted() && drop.dropAction() == Qt::CopyAction;
}

QString caption(const QString &path)
{
    return QStringLiteral("Velmora ( %1 )").arg(path);
}

}  // namespace

class DesktopWindowTest : public QObject {
    Q_OBJECT

private slots:
    void opensGoOnTheRecentListsNewestFirst()
    {
        MainWindowRun run;
        TForm1 &window = run.start();
        QCOMPARE(recentItems(window), QStringList{"No recent scans (disabled)"});
        const QString first = run.writeFile("first.vlm", bundledSample());
        const QString second = run.writeFile("second.vlm", bundledSample());
        window.OpenChosenFile(first);
        window.OpenChosenFile(second);
        QCOMPARE(recentItems(window), (QStringList{"&1 " + second, "&2 " + first, "", "&Clear missing scans (disabled)"}));
        const QByteArray desktopList = readAll(run.environment.path("data/recently-used.xbel"));
        QVERIFY(desktopList.contains("href=\"file://" + QFile::encodeName(first) + "\""));
        QVERIFY(desktopList.contains("href=\"file://" + QFile::encodeName(second) + "\""));
        window.close();
        QCOMPARE(run.environment.stored("RecentScan1").toString(), second);
        QCOMPARE(run.environment.stored("RecentScan2").toString(), first);
    }

    void aRecentScanOpensAndOneGoneIsDisabledUntilCleared()
    {
        MainWindowRun run;
        const QString gone = run.writeFile("gone.vlm", bundledSample());
        const QString kept = run.writeFile("kept.vlm", bundledSample());
        run.environment.store("RecentScan1", gone);
        run.environment.store("RecentScan2", kept);
        TForm1 &window = run.start();
        QFile::remove(gone);
        QList<QAction *> items;
        QCOMPARE(recentItems(window, &items),
                 (QStringList{"&1 " + gone + " (disabled)", "&2 " + kept, "", "&Clear missing scans"}));
        items[1]->trigger();
        QCOMPARE(window.windowTitle(), caption(kept));
        recentItems(window, &items);
        items.last()->trigger();
        QCOMPARE(recentItems(window), (QStringList{"&1 " + kept, "", "&Clear missing scans (disabled)"}));
    }

    // One scan opens as File ▸ Open opens it; anything else is refused, and
    // the scan shown stays.
    void aDropOpensOneScanOrSaysWhyNot_data()
    {
        QTest::addColumn<QString>("dropped");
        QTest::addColumn<QString>("refusal");
        QTest::newRow("a scan file") << "scan.vlm" << "";
        QTest::newRow("a scan by its magic") << "scan.bin" << "";
        QTest::newRow("not a scan") << "notes.vlm"
                                    << "%1 cannot be opened: not a scan file: it does not begin with \"VLMv1.0\".";
        QTest::newRow("a folder") << "folder" << "%1 is a folder: only scan files can be dropped here.";
        QTest::newRow("a web page") << "https://example.org/scan.vlm"
                                    << "%1 is not a file on this computer: only scan files can be dropped here.";
    }
    void aDropOpensOneScanOrSaysWhyNot()
    {
        QFETCH(QString, dropped);
        QFETCH(QString, refusal);
        MainWindowRun run;
        const QString shown = run.writeFile("shown.vlm", bundledSample());
        TForm1 &window = run.start({"velmora", shown});
        run.writeFile("scan.vlm", bundledSample());
        run.writeFile("scan.bin", bundledSample());
        run.writeFile("notes.vlm", "Dear diary");
        QDir().mkpath(run.environment.path("folder"));
        const bool local = !dropped.startsWith("https:");
        const QString path = local ? run.environment.path(dropped) : dropped;
        QVERIFY(dropOn(window, {local ? QUrl::fromLocalFile(path) : QUrl(path)}));
        if (refusal.isEmpty()) {
            QCOMPARE(window.windowTitle(), caption(path));
            QVERIFY(run.dialogs.messages.isEmpty());
            return;
        }
        QCOMPARE(window.windowTitle(), caption(shown));
        QCOMPARE(run.dialogs.messages.size(), 1);
        QCOMPARE(run.dialogs.messages[0].text, refusal.arg(path));
    }

    void severalFilesDroppedOpenTheBrowserOnThem()
    {
        MainWindowRun run;
        TForm1 &window = run.start();
        const QString first = run.writeFile("b.vlm", bundledSample());
        const QString second = run.writeFile("a.vlm", bundledSample());
        run.writeFile("c.vlm", bundledSample());
        QVERIFY(dropOn(window, {QUrl::fromLocalFile(first), QUrl::fromLocalFile(second)}));
        QVERIFY(window.ScanBrowser && window.ScanBrowser->isVisible());
        QCOMPARE(window.ScanBrowser->ScanList->count(), 2);
        QCOMPARE(window.ScanBrowser->ScanList->item(0)->toolTip(), second);
        QCOMPARE(window.ScanBrowser->ScanList->item(1)->toolTip(), first);
    }

    void aDragOfTextIsNotTaken()
    {
        MainWindowRun run;
        TForm1 &window = run.start();
        QVERIFY(!dropOn(window, {}, QStringLiteral("some words")));
        QVERIFY(run.dialogs.messages.isEmpty());
    }
};

QTEST_MAIN(DesktopWindowTest)
#include "desktop_window_test.moc"
