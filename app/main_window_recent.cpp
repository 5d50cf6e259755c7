// The scans used lately and scans dropped on the window: File ▸ Open recent,
// the desktop's recent list, and a drop of files.

#include "application_title.h"
#include "desktop_recent_list.h"
#include "dialog_seam.h"
#include "dropped_files.h"
#include "handler_guard.h"
#include "main_window.h"
#include "scan_browser_window.h"

#include <QAction>
#include <QDir>
#include <QDropEvent>
#include <QMenu>
#include <QMimeData>

namespace {

// "&1 /data/weld.vlm" … "&0 …" for the tenth; an ampersand of the name stays one.
QString recentItemText(int place, const QString &path)
{
    QString name = QDir::toNativeSeparators(path);
    return QStringLiteral("&%1 %2").arg(place % 10).arg(name.replace(QLatin1Char('&'), QStringLiteral("&&")));
}

}  // namespace

void TForm1::rememberShownScan()
{
    recent_scans_.add(shown_file_name_);
    // the desktop's list is a courtesy to the file dialogs: not worth a message box
    if (const auto problem = addToDesktopRecentList(shown_file_name_))
        qWarning("The desktop's recent list was not updated: %s", qUtf8Printable(*problem));
}

void TForm1::fillRecentMenu(QMenu &menu)
{
    const QStringList &paths = recent_scans_.paths();
    if (paths.isEmpty()) {
        menu.addAction(QStringLiteral("No recent scans"))->setEnabled(false);
        return;
    }
    bool anyMissing = false;
    for (qsizetype place = 0; place < paths.size(); ++place) {
        const QString path = paths[place];
        QAction *item = menu.addAction(recentItemText(static_cast<int>(place) + 1, path));
        item->setEnabled(scanStillThere(path));
        anyMissing = anyMissing || !item->isEnabled();
        connect(item, &QAction::triggered, this, [this, path] { runGuarded([&] { OpenChosenFile(path); }); });
    }
    menu.addSeparator();
    QAction *clear = menu.addAction(QStringLiteral("&Clear missing scans"));
    clear->setEnabled(anyMissing);
    connect(clear, &QAction::triggered, this, [this] { recent_scans_.removeMissing(); });
}

void TForm1::takeDrop(const QList<QUrl> &urls)
{
    const DroppedFiles dropped = examineDrop(urls);
    switch (dropped.action) {
    case DroppedFiles::Action::Open:
        OpenChosenFile(dropped.paths.first());
        break;
    case DroppedFiles::Action::Browse:
        scanBrowser().showFiles(dropped.paths);
        showScanBrowser();
        break;
    case DroppedFiles::Action::Refuse:
        dialogs().showMessage({kApplicationTitle, dropped.refusal, MessageIcon::Error, MessageButtons::Ok});
        break;
    }
}

void TForm1::dropEvent(QDropEvent *event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    event->setDropAction(Qt::CopyAction);
    event->accept();
    runGuarded([&] { takeDrop(urls); });
}
