#include "received_scan.h"

#include "scan_file_format.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>

namespace {

constexpr int kLastPrepared = ScanLayout::kImageSize;
const QString kRecoveryFolder = QStringLiteral("qrn/Velmora/recovered");
const QString kOnlyZeros = QStringLiteral("Only zeros arrived: check the cable and that the instrument is sending.");

// A name in the recovery folder that no earlier recovery holds.
QString freeRecoveryPath(const QString &target, const QDateTime &now)
{
    const QString stem = QFileInfo(target).completeBaseName() + now.toString(QStringLiteral("-yyyyMMdd-HHmmss"));
    const QString extension = ScanFileFormat::text(ScanFileFormat::kExtension);
    QString path = QDir(recoveryFolder()).filePath(stem + extension);
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = QDir(recoveryFolder()).filePath(QStringLiteral("%1-%2").arg(stem).arg(n) + extension);
    return path;
}

WriteOutcome keepForRecovery(const std::vector<uint8_t> &prepared, const QString &path)
{
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return {false, QStringLiteral("cannot make the folder %1").arg(QFileInfo(path).absolutePath())};
    return saveScanImage(path, prepared, ExistingFile::Keep);
}

bool layersHoldOnlyZeros(const std::vector<uint8_t> &image)
{
    const auto first = image.begin() + ScanLayout::kHeaderBlockSize;
    const auto last = image.begin() + ScanLayout::kTailStart;
    return std::all_of(first, last, [](uint8_t value) { return value == 0; });
}

}  // namespace

QString recoveryFolder()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)).filePath(kRecoveryFolder);
}

ReceivedScanSave saveReceivedScan(ScanVolume &volume, const std::vector<uint8_t> &received, const QString &path,
                                  ExistingFile existing, const QDateTime &now)
{
    checkRange(0, static_cast<long long>(received.size()), volume.scan_image.size());
    const std::vector<uint8_t> prepared = imagePreparedForSave(received, ScanLayout::kLayerStride, kLastPrepared);
    ReceivedScanSave save;
    if (layersHoldOnlyZeros(prepared)) {
        save.onlyZeros = true;
        save.outcome = {false, kOnlyZeros};
        return save;
    }
    save.outcome = saveScanImage(path, prepared, existing);
    if (save.outcome.ok) {
        std::copy(prepared.begin(), prepared.end(), volume.scan_image.data());
        return save;
    }
    save.recoveryPath = freeRecoveryPath(path, now);
    save.recovery = keepForRecovery(prepared, save.recoveryPath);
    return save;
}

QString receivedScanFailureText(const QString &path, const ReceivedScanSave &save)
{
    if (save.onlyZeros)
        return kOnlyZeros;
    const QString failure =
        save.outcome.fileAppeared
            ? QStringLiteral("Cannot save %1: a file of that name was made during the receive, and it is left as it is.")
                  .arg(path)
            : QStringLiteral("Cannot save %1: %2.").arg(path, save.outcome.error);
    if (save.recovery.ok)
        return failure + QStringLiteral(" The received scan is kept in %1.").arg(save.recoveryPath);
    return failure + QStringLiteral(" The received scan could not be kept in %1 either: %2.")
                         .arg(save.recoveryPath, save.recovery.error);
}
