#include "scan_loader.h"

#include "scan_file_open.h"
#include "smooth_volume.h"

#include <QFile>

#include <algorithm>

ScanFileRead readScanFileInto(QIODevice &file, ScanVolume &volume)
{
    checkRange(0, ScanLayout::kImageSize, volume.raw_image.size());
    const ScanFileRead read =
        readScanFile(file, std::span<uint8_t, ScanLayout::kImageSize>(volume.raw_image.data(), ScanLayout::kImageSize));
    if (!read.magicMatches)
        return read;
    std::copy_n(volume.raw_image.data(), read.imageBytesRead, volume.scan_image.data());
    // What a short file does not reach is empty, never the rest of the scan before it.
    const int missing = ScanLayout::kImageSize - read.imageBytesRead;
    std::fill_n(volume.raw_image.data() + read.imageBytesRead, missing, uint8_t{0});
    std::fill_n(volume.scan_image.data() + read.imageBytesRead, missing, uint8_t{0});
    return read;
}

void smoothLoadedImage(ScanVolume &volume, int lastLayer)
{
    constexpr int kHeaderAndLeadByte = ScanLayout::kHeaderBlockSize + 1;
    checkRange(0, kHeaderAndLeadByte, volume.raw_image.size());
    std::copy_n(volume.raw_image.data(), kHeaderAndLeadByte, volume.scan_image.data());
    SmoothLayers(volume.raw_image.data(), volume.raw_image.size(), volume.scan_image.data(),
                 volume.scan_image.size(), lastLayer);
}

QString missingBytesText(const QString &path, int firstMissing)
{
    return QStringLiteral("%1 ends %2 bytes early: image bytes %3 to %4 are missing and are shown empty.")
        .arg(path)
        .arg(ScanLayout::kImageSize - firstMissing)
        .arg(firstMissing)
        .arg(ScanLayout::kImageSize - 1);
}

ScanFileLoad loadScanFile(const QString &path, ScanVolume &volume, const BetweenReadAndSmoothing &between)
{
    ScanFileLoad load;
    QFile file(path);
    load.openFailure = openScanFile(file);
    if (load.openFailure)
        return load;
    load.read = readScanFileInto(file, volume);
    file.close();
    if (between)
        between(load.read);
    smoothLoadedImage(volume);
    return load;
}

void loadScanImage(ScanVolume &volume, const std::function<void()> &between)
{
    checkRange(0, ScanLayout::kImageSize, volume.raw_image.size());
    checkRange(0, ScanLayout::kImageSize, volume.scan_image.size());
    std::copy_n(volume.scan_image.data(), ScanLayout::kImageSize, volume.raw_image.data());
    if (between)
        between();
    smoothLoadedImage(volume);
}
