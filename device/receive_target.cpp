#include "receive_target.h"

#include "scan_file_format.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

const QString kScanSuffix = ScanFileFormat::text(ScanFileFormat::kExtension);

// The stem with the first number from first on, written at least width
// digits wide, that names no file in folder.
QString firstFreeNumbered(const QDir &folder, const QString &stem, long long first, int width)
{
    for (long long number = first;; ++number) {
        const QString path =
            folder.filePath(stem + QStringLiteral("%1").arg(number, width, 10, QLatin1Char('0')) + kScanSuffix);
        if (!QFileInfo::exists(path))
            return path;
    }
}

}  // namespace

QString offeredReceiveName(const QString &openScan, const QString &folder, const QDateTime &now)
{
    if (openScan.isEmpty()) {
        const QDir where(folder);
        const QString stem = now.toString(QStringLiteral("'received-'yyyyMMdd-HHmmss"));
        const QString path = where.filePath(stem + kScanSuffix);
        return QFileInfo::exists(path) ? firstFreeNumbered(where, stem + QLatin1Char('-'), 2, 1) : path;
    }
    const QFileInfo scan(openScan);
    static const QRegularExpression trailingNumber(QStringLiteral("^(.*?)(\\d{1,15})$"));
    const QRegularExpressionMatch match = trailingNumber.match(scan.completeBaseName());
    if (!match.hasMatch())
        return firstFreeNumbered(scan.dir(), scan.completeBaseName(), 1, 1);
    return firstFreeNumbered(scan.dir(), match.captured(1), match.captured(2).toLongLong() + 1,
                             int(match.captured(2).size()));
}
