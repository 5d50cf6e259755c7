#pragma once
// The scan browser: every scan file of a folder as a thumbnail with its name,
// time and depth range, sorted by name or time and filtered by name. The
// thumbnails are made on a worker thread with a progress bar and Cancel.
// Enter or a double click asks the main window to open the scan.

#include "scan_folder.h"
#include "thumbnail_cache.h"
#include "thumbnail_job.h"

#include <QHash>
#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QProgressBar;
class QPushButton;

class ScanBrowserWindow : public QWidget {
    Q_OBJECT
public:
    // cache outlives the window: the thumbnails are kept for the session.
    explicit ScanBrowserWindow(ThumbnailCache &cache, QWidget *parent = nullptr);

    // Lists folder and starts its thumbnails; false, with the reason shown,
    // when the folder cannot be read.
    bool showFolder(const QString &folder);
    // Lists the files named (those dropped on the main window) and starts
    // their thumbnails; a folder among them is left out.
    void showFiles(const QStringList &paths);

    QLabel *FolderLabel;
    QLineEdit *FilterEdit;
    QComboBox *OrderBox;
    QListWidget *ScanList;
    QProgressBar *Progress;
    QPushButton *CancelButton;

signals:
    void openRequested(const QString &path);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void connectControls();
    void FilterEditChange();
    void CancelButtonClick();
    void ScanListActivate(QListWidgetItem *item);
    void ThumbnailMade(const QString &path, const ScanThumbnail &thumbnail);
    void ThumbnailsFinished(bool cancelled);
    void showEntries(const QList<ScanFolderEntry> &entries, const QString &title, const QString &label);
    // Fills the list from the listing in the chosen order and filter.
    void fillList();
    void showEntry(QListWidgetItem &item, const ScanFolderEntry &entry);
    void startThumbnails();

    ThumbnailCache &cache_;
    ThumbnailJob job_;
    QList<ScanFolderEntry> listing_;
    QHash<QString, QListWidgetItem *> items_;
};
