#include "scan_folder.h"

#include "scan_file_format.h"
#include "view_state.h"

#include <QDir>
#include <QFile>

#include <algorithm>

namespace {

const QString kScanSuffix = QStringLiteral("vlm");
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

bool namedAsScan(const QFileInfo &info)
{
    return info.suffix().compare(kScanSuffix, Qt::CaseInsensitive) == 0;
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
    const QDir dir(folder);
    if (!dir.exists() || !dir.isReadable()) {
        listing.problem = QStringLiteral("cannot read the folder %1").arg(folder);
        return listing;
    }
    // only regular files: opening a pipe or a device would wait for ever
    const QFileInfoList files = dir.entryInfoList(QDir::Files | QDir::Hidden, QDir::Name);
    for (const QFileInfo &info : files) {
        if (!info.isFile())
            continue;
        ScanFolderEntry entry{info.absoluteFilePath(), info.fileName(), info.lastModified(), info.size(), 0, {}};
        QFile file(entry.path);
        if (!file.open(QIODevice::ReadOnly))
            entry.problem = QStringLiteral("cannot open: %1").arg(file.errorString());
        else
            examineScanHeader(file, entry);
        if (entry.problem.isEmpty() || namedAsScan(info))
            listing.entries.append(entry);
    }
    return listing;
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
