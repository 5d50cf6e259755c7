// Seeing scans at a glance: the gated C-scan of view Z and the scan browser.

#include "dialog_seam.h"
#include "gate_maximum.h"
#include "handler_guard.h"
#include "main_window.h"
#include "scan_browser_window.h"
#include "screen_fit.h"

#include <QAction>
#include <QLabel>
#include <QToolBar>

void TForm1::toggleGateMaximum()
{
    Image1Click();
}

void TForm1::showGateNote()
{
    const QString note = gateNote(viewState(), depthScaleFactor(volume));
    GateNote->setText(note);
    GateNote->setVisible(!note.isEmpty());
}

void TForm1::browseScans()
{
    FileDialogRequest request;
    request.kind = FileDialogRequest::Kind::Folder;
    request.title = QStringLiteral("Browse scans");
    request.initialDirectory = last_dir;
    const auto chosen = dialogs().runFileDialog(request);
    if (!chosen)
        return;
    if (!scanBrowser().showFolder(chosen->path))
        return;
    showScanBrowser();
}

ScanBrowserWindow &TForm1::scanBrowser()
{
    if (!ScanBrowser) {
        ScanBrowser = new ScanBrowserWindow(thumbnail_cache, this);
        connect(ScanBrowser, &ScanBrowserWindow::openRequested, this, [this](const QString &path) {
            runGuarded([&] { OpenChosenFile(path); });
            activateWindow();
            raise();
        });
    }
    return *ScanBrowser;
}

void TForm1::showScanBrowser()
{
    if (!ScanBrowser->isVisible())
        placeBelow(*ScanBrowser, *CoolBar1, Qt::AlignLeft);
    ScanBrowser->show();
    ScanBrowser->raise();
    ScanBrowser->activateWindow();
}
