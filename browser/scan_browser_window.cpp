#include "scan_browser_window.h"

#include "contact_sheet.h"
#include "dialog_seam.h"
#include "handler_guard.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>

namespace {

constexpr int kPathRole = Qt::UserRole;
const QSize kGridCell(kThumbnailSize.width() + 24, kThumbnailSize.height() + 64);

QImage placeholderPicture()
{
    QImage picture(kThumbnailSize, QImage::Format_RGB888);
    picture.fill(QColor(224, 224, 224));
    return picture;
}

QString entryCaption(const ScanFolderEntry &entry, const QString &problem)
{
    const QString time = entry.modified.toString(QStringLiteral("yyyy-MM-dd HH:mm"));
    const QString third = problem.isEmpty() ? depthRangeText(entry.depthScaleFactor) : problem;
    return QStringLiteral("%1\n%2\n%3").arg(entry.name, time, third);
}

}  // namespace

ScanBrowserWindow::ScanBrowserWindow(ThumbnailCache &cache, QWidget *parent)
    : QWidget(parent, Qt::Window), cache_(cache)
{
    setWindowTitle(QStringLiteral("Scan browser"));
    FolderLabel = new QLabel(this);
    FilterEdit = new QLineEdit(this);
    FilterEdit->setPlaceholderText(QStringLiteral("Filter by name"));
    FilterEdit->setClearButtonEnabled(true);
    OrderBox = new QComboBox(this);
    OrderBox->addItems({QStringLiteral("Sort by name"), QStringLiteral("Sort by time")});
    ScanList = new QListWidget(this);
    ScanList->setViewMode(QListView::IconMode);
    ScanList->setIconSize(kThumbnailSize);
    ScanList->setGridSize(kGridCell);
    ScanList->setResizeMode(QListView::Adjust);
    ScanList->setMovement(QListView::Static);
    ScanList->setWordWrap(true);
    ScanList->setUniformItemSizes(true);
    Progress = new QProgressBar(this);
    CancelButton = new QPushButton(QStringLiteral("Cancel"), this);

    auto *top = new QHBoxLayout;
    top->addWidget(FolderLabel, 1);
    top->addWidget(FilterEdit);
    top->addWidget(OrderBox);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(Progress, 1);
    bottom->addWidget(CancelButton);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(ScanList, 1);
    layout->addLayout(bottom);
    resize(4 * kGridCell.width() + 40, 3 * kGridCell.height() + 80);
    connectControls();
}

void ScanBrowserWindow::connectControls()
{
    connect(FilterEdit, &QLineEdit::textChanged, this, guarded(this, &ScanBrowserWindow::FilterEditChange));
    connect(OrderBox, &QComboBox::currentIndexChanged, this, guarded(this, &ScanBrowserWindow::FilterEditChange));
    connect(CancelButton, &QPushButton::clicked, this, guarded(this, &ScanBrowserWindow::CancelButtonClick));
    connect(ScanList, &QListWidget::itemActivated, this, guarded(this, &ScanBrowserWindow::ScanListActivate));
    connect(&job_, &ThumbnailJob::made, this, [this](int, const QString &path, const ScanThumbnail &thumbnail) {
        runGuarded([&] { ThumbnailMade(path, thumbnail); });
    });
    connect(&job_, &ThumbnailJob::finished, this, guarded(this, &ScanBrowserWindow::ThumbnailsFinished));
}

bool ScanBrowserWindow::showFolder(const QString &folder)
{
    const ScanFolderListing listing = listScanFolder(folder);
    if (!listing.problem.isEmpty()) {
        showErrorMessage(listing.problem);
        return false;
    }
    const QString shownFolder = QDir::toNativeSeparators(QDir(folder).absolutePath());
    showEntries(listing.entries, shownFolder, QStringLiteral("%1: %2 files").arg(shownFolder).arg(listing.entries.size()));
    return true;
}

void ScanBrowserWindow::showFiles(const QStringList &paths)
{
    const QList<ScanFolderEntry> entries = listScanFiles(paths);
    showEntries(entries, QStringLiteral("dropped files"), QStringLiteral("%1 files dropped").arg(entries.size()));
}

void ScanBrowserWindow::showEntries(const QList<ScanFolderEntry> &entries, const QString &title, const QString &label)
{
    listing_ = entries;
    setWindowTitle(QStringLiteral("Scan browser - %1").arg(title));
    FolderLabel->setText(label);
    fillList();
    ScanList->setFocus();
    startThumbnails();
}

void ScanBrowserWindow::fillList()
{
    const QString selected = ScanList->currentItem() ? ScanList->currentItem()->data(kPathRole).toString() : QString();
    ScanList->clear();
    items_.clear();
    const auto order = OrderBox->currentIndex() == 1 ? ScanOrder::Time : ScanOrder::Name;
    for (const ScanFolderEntry &entry : arrangeScans(listing_, order, FilterEdit->text())) {
        auto *item = new QListWidgetItem(ScanList);
        item->setData(kPathRole, entry.path);
        item->setToolTip(QDir::toNativeSeparators(entry.path));
        showEntry(*item, entry);
        items_.insert(entry.path, item);
        if (entry.path == selected)
            ScanList->setCurrentItem(item);
    }
    if (!ScanList->currentItem() && ScanList->count() > 0)
        ScanList->setCurrentRow(0);
}

void ScanBrowserWindow::showEntry(QListWidgetItem &item, const ScanFolderEntry &entry)
{
    const std::optional<ScanThumbnail> made = cache_.find(entry);
    const QString problem = !entry.problem.isEmpty() ? entry.problem : made ? made->problem : QString();
    QImage picture = placeholderPicture();
    if (!problem.isEmpty())
        picture = problemPicture(kThumbnailSize, problem);
    else if (made)
        picture = made->picture;
    item.setIcon(QIcon(QPixmap::fromImage(picture)));
    item.setText(entryCaption(entry, problem));
}

void ScanBrowserWindow::startThumbnails()
{
    QStringList wanted;
    for (const ScanFolderEntry &entry : std::as_const(listing_))
        if (entry.problem.isEmpty() && !cache_.find(entry))
            wanted << entry.path;
    CancelButton->setEnabled(!wanted.isEmpty());
    if (wanted.isEmpty()) {
        job_.cancel();
        // a range of 0..0 would show a busy bar
        Progress->setRange(0, 1);
        Progress->setValue(1);
        Progress->setFormat(QStringLiteral("All thumbnails made"));
        return;
    }
    Progress->setRange(0, static_cast<int>(wanted.size()));
    Progress->setValue(0);
    Progress->setFormat(QStringLiteral("%v of %m thumbnails"));
    job_.start(wanted);
}

void ScanBrowserWindow::ThumbnailMade(const QString &path, const ScanThumbnail &thumbnail)
{
    Progress->setValue(Progress->value() + 1);
    for (const ScanFolderEntry &entry : std::as_const(listing_)) {
        if (entry.path != path)
            continue;
        cache_.store(entry, thumbnail);
        if (QListWidgetItem *item = items_.value(path))
            showEntry(*item, entry);
    }
}

void ScanBrowserWindow::ThumbnailsFinished(bool cancelled)
{
    CancelButton->setEnabled(false);
    if (cancelled)
        Progress->setFormat(QStringLiteral("Cancelled after %v of %m thumbnails"));
}

void ScanBrowserWindow::FilterEditChange()
{
    fillList();
}

void ScanBrowserWindow::CancelButtonClick()
{
    job_.cancel();
}

void ScanBrowserWindow::ScanListActivate(QListWidgetItem *item)
{
    if (item)
        emit openRequested(item->data(kPathRole).toString());
}

void ScanBrowserWindow::closeEvent(QCloseEvent *event)
{
    job_.cancel();
    QWidget::closeEvent(event);
}
