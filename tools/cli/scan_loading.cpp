#include "scan_loading.h"

#include "cli_commands.h"
#include "scan_loader.h"

#include <QFile>

bool loadScan(const QString &path, ScanVolume &volume)
{
    AllocateVolume(volume, {});
    QFile file(path);
    if (!openForReading(file))
        return false;
    const ScanFileRead read = readScanFileInto(file, volume);
    if (!read.magicMatches) {
        reportNotAScanFile(path);
        return false;
    }
    if (read.imageBytesRead < ScanLayout::kImageSize)
        reportFailure(QStringLiteral("Ooops: ") + missingBytesText(path, read.imageBytesRead));
    file.close();
    smoothLoadedImage(volume);
    return true;
}
