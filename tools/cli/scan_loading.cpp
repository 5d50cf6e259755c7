#include "scan_loading.h"

#include "cli_commands.h"
#include "scan_loader.h"

bool loadScan(const QString &path, ScanVolume &volume)
{
    AllocateVolume(volume, {});
    const ScanFileLoad load = loadScanFile(path, volume);
    if (load.openFailure) {
        reportCannotOpen(path, *load.openFailure);
        return false;
    }
    if (!load.isScanFile()) {
        reportNotAScanFile(path);
        return false;
    }
    if (load.isShort())
        reportFailure(QStringLiteral("Ooops: ") + missingBytesText(path, load.read.imageBytesRead));
    return true;
}
