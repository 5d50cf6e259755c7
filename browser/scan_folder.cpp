#include "scan_folder.h"

#include "native_path.h"
#include "scan_file_format.h"
#include "scan_file_open.h"
#include "view_state.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <memory>
#include <optional>

#include <dirent.h>
#include <sys/stat.h>

namespace {

const QString kScanExtension = ScanFileFormat::text(ScanFileFormat::kExtension);
constexpr int kDepthCodeOffset = ScanFileFormat::kHeaderSize + ScanLayout::kDepthScaleByte;

// The run of digits or of other characters that starts at `at`.
QStringView runAt(const QString &name, qsizetype at)
{
    const bool digits = name[at].isDigit();
    qsizetype end = at;
    while (end < name.size() && name[end].isDigit() == digits)
        ++end;
    return QStringView(name).mid(at, end - at);
}

// Runs of digits compare as numbers, other runs ignoring case.
int compareRuns(QStringView a, QStringView b)
{
    if (a[0].isDigit() && b[0].isDigit()) {
        while (a.size() > 1 && a[0] == u'0')
            a = a.mid(1);
        while (b.size() > 1 && b[0] == u'0')
            b = b.mid(1);
        if (a.size() != b.size())
            return a.size() < b.size() ? -1 : 1;
    }
    return a.compare(b, Qt::CaseInsensitive);
}

// Names in the order a person counts: scan2 before scan10.
bool naturalLess(const QString &a, const QString &b)
{
    qsizetype i = 0;
    qsizetype j = 0;
    while (i < a.size() && j < b.size()) {
        const QStringView runA = runAt(a, i);
        const QStringView runB = runAt(b, j);
        if (const int order = compareRuns(runA, runB))
            return order < 0;
        i += runA.size();
        j += runB.size();
    }
    if ((i < a.size()) != (j < b.size()))
        return j < b.size();
    return a < b;
}

bool namedAsScan(const QString &name)
{
    return name.endsWith(kScanExtension, Qt::CaseInsensitive);
}

// The names in a folder as the system holds them, also those that are not
// valid UTF-8 (Qt's listing leaves them out); nullopt when it cannot be read.
std::optional<QStringList> namesIn(const QString &folder)
{
    const std::unique_ptr<DIR, int (*)(DIR *)> dir(::opendir(nativePath(folder).constData()), ::closedir);
    if (!dir)
        return std::nullopt;
    QStringList names;
    while (const dirent *entry = ::readdir(dir.get())) {
        const QByteArray name(entry->d_name);
        if (name != "." && name != "..")
            names << pathFromNative(name);
    }
    names.sort();
    return names;
}

// The entry of one name; a folder gives none. A link is taken for what it
// leads to; a dangling one or a loop is listed with the reason it cannot be
// opened.
std::optional<ScanFolderEntry> entryFor(const QString &folder, const QString &name)
{
    ScanFolderEntry entry{QDir(folder).absoluteFilePath(name), name, {}, 0, 0, {}};
    struct stat status {};
    if (::stat(nativePath(entry.path).constData(), &status) == 0) {
        if (S_ISDIR(status.st_mode))
            return std::nullopt;
        entry.modified = QDateTime::fromMSecsSinceEpoch(status.st_mtim.tv_sec * 1000LL
                                                        + status.st_mtim.tv_nsec / 1'000'000);
        entry.size = status.st_size;
    }
    // opened without waiting: a FIFO or a device is refused, not read
    QFile file(entry.path);
    if (const auto reason = openScanFile(file))
        entry.problem = QStringLiteral("cannot open: %1").arg(*reason);
    else
        examineScanHeader(file, entry);
    return entry;
}

}  // namespace

void examineScanHeader(QIODevice &file, ScanFolderEntry &entry)
{
    const QByteArray start = file.read(kDepthCodeOffset + 1);
    const QByteArray magic(ScanFileFormat::kMagic.data(), static_cast<qsizetype>(ScanFileFormat::kMagic.size()));
    if (!start.startsWith(magic)) {
        entry.problem = QStringLiteral("not a scan file: it does not begin with \"%1\"").arg(QString::fromLatin1(magic));
        return;
    }
    if (start.size() > kDepthCodeOffset) {
        const int code = static_cast<uint8_t>(start[kDepthCodeOffset]) & ScanLayout::kDepthScaleMask;
        entry.depthScaleFactor = ScanLayout::kDepthScaleTable[static_cast<std::size_t>(code)];
    }
}

ScanFolderListing listScanFolder(const QString &folder)
{
    ScanFolderListing listing;
    const auto names = namesIn(folder);
    if (!names) {
        listing.problem = QStringLiteral("cannot read the folder %1").arg(folder);
        return listing;
    }
    for (const QString &name : *names) {
        const auto entry = entryFor(folder, name);
        if (entry && (entry->problem.isEmpty() || namedAsScan(name)))
            listing.entries.append(*entry);
    }
    return listing;
}

std::optional<ScanFolderEntry> examineScanFile(const QString &path)
{
    const QFileInfo info(path);
    return entryFor(info.absolutePath(), info.fileName());
}

QList<ScanFolderEntry> listScanFiles(const QStringList &paths)
{
    QList<ScanFolderEntry> entries;
    for (const QString &path : paths)
        if (const auto entry = examineScanFile(path))
            entries.append(*entry);
    return entries;
}

QList<ScanFolderEntry> arrangeScans(QList<ScanFolderEntry> entries, ScanOrder order, const QString &filter)
{
    entries.removeIf([&](const ScanFolderEntry &entry) { return !entry.name.contains(filter, Qt::CaseInsensitive); });
    std::stable_sort(entries.begin(), entries.end(), [&](const ScanFolderEntry &a, const ScanFolderEntry &b) {
        if (order == ScanOrder::Time && a.modified != b.modified)
            return a.modified > b.modified;
        return naturalLess(a.name, b.name);
    });
    return entries;
}

QString depthRangeText(int scaleFactor)
{
    return QStringLiteral("%1 to %2")
        .arg(depthReadout(ViewRanges::Border.minimum, scaleFactor), depthReadout(ViewRanges::Border.maximum, scaleFactor));
}
