#pragma once
// The scan files of one folder, as the scan browser lists them: every file
// that begins with the scan file magic, whatever its name, and every entry
// named as a scan file that is not one or cannot be read (a FIFO, a dangling
// link, a loop of links), with the reason. Names are kept as their bytes.

#include <QDateTime>
#include <QIODevice>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

struct ScanFolderEntry {
    QString path;
    QString name;
    QDateTime modified;
    qint64 size = 0;
    int depthScaleFactor = 0;  // millimetres per 16 depth steps; 0 when not known
    QString problem;           // why the file is not shown as a scan; empty for a scan
};

struct ScanFolderListing {
    QList<ScanFolderEntry> entries;
    QString problem;  // why the folder cannot be read; empty when it was
};

// Looks at the first bytes of a file: the magic and the depth scale code.
// problem is set when it is not a scan file.
void examineScanHeader(QIODevice &file, ScanFolderEntry &entry);

ScanFolderListing listScanFolder(const QString &folder);

// The entry of one file as a folder's listing gives it, whatever its name;
// nullopt for a folder.
std::optional<ScanFolderEntry> examineScanFile(const QString &path);

// The entries of the files named, in that order; folders are left out.
QList<ScanFolderEntry> listScanFiles(const QStringList &paths);

enum class ScanOrder { Name, Time };

// The entries whose name contains filter (ignoring case), in the order asked
// for: names in natural order (scan2 before scan10), or newest first.
QList<ScanFolderEntry> arrangeScans(QList<ScanFolderEntry> entries, ScanOrder order, const QString &filter);

// The depth range of a scan, "0 mm to 158 mm", as the border read-outs give
// its first and last depth row.
QString depthRangeText(int scaleFactor);
