// velmora-cli info FILE: what a file holds as a scan file.

#include "cli_commands.h"

#include "command_line.h"
#include "scan_file_format.h"
#include "scan_file_reader.h"
#include "scan_volume.h"

#include <QFile>

#include <algorithm>
#include <memory>

namespace {

struct LayerStatistics {
    int minimum = 0;
    int maximum = 0;
    double mean = 0.0;
    int count = 0;
};

// Over the layer bytes of the image that were read.
LayerStatistics layerStatistics(const ScanVolume &volume, int imageBytesRead)
{
    const int first = ScanLayout::kHeaderBlockSize;
    const int end = std::min(ScanLayout::kTailStart, imageBytesRead);
    LayerStatistics statistics;
    if (end <= first)
        return statistics;
    const uint8_t *bytes = volume.scan_image.data();
    const auto [low, high] = std::minmax_element(bytes + first, bytes + end);
    long long sum = 0;
    for (int i = first; i < end; ++i)
        sum += bytes[i];
    statistics.minimum = *low;
    statistics.maximum = *high;
    statistics.count = end - first;
    statistics.mean = static_cast<double>(sum) / statistics.count;
    return statistics;
}

}  // namespace

int runInfo(const QStringList &arguments)
{
    CommandLine line(arguments);
    const QString path = line.takeFile();
    if (line.failed()) {
        reportFailure(QStringLiteral("usage: velmora-cli info FILE"));
        return 2;
    }
    QFile file(path);
    if (!openForReading(file))
        return 1;
    auto volume = std::make_unique<ScanVolume>();
    const ScanFileRead read = readScanFile(
        file, std::span<uint8_t, ScanLayout::kImageSize>(volume->scan_image.data(), ScanLayout::kImageSize));

    printLine(QStringLiteral("file: %1").arg(path));
    printLine(QStringLiteral("size: %1 bytes").arg(file.size()));
    printLine(QStringLiteral("magic: %1").arg(read.magicMatches ? ScanFileFormat::text(ScanFileFormat::kMagic) + QStringLiteral(", matches")
                                                                : QStringLiteral("does not match")));
    if (!read.magicMatches) {
        reportNotAScanFile(path);
        return 1;
    }
    if (read.imageBytesRead > ScanLayout::kDepthScaleByte) {
        printLine(QStringLiteral("depth scale code: %1 (%2 mm per 16 depth steps)")
                      .arg(depth_scale_code(*volume))
                      .arg(depthScaleFactor(*volume)));
    }
    const LayerStatistics statistics = layerStatistics(*volume, read.imageBytesRead);
    if (statistics.count > 0) {
        printLine(QStringLiteral("layer bytes: min %1, max %2, mean %3")
                      .arg(statistics.minimum)
                      .arg(statistics.maximum)
                      .arg(statistics.mean, 0, 'f', 3));
    }
    if (read.imageBytesRead < ScanLayout::kImageSize) {
        reportFailure(QStringLiteral("%1 is a truncated scan file: %2 of %3 bytes")
                          .arg(path)
                          .arg(file.size())
                          .arg(ScanFileFormat::kFileSize));
        return 1;
    }
    return 0;
}
