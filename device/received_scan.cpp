#include "received_scan.h"

#include <algorithm>

namespace {
constexpr int kLastPrepared = ScanLayout::kImageSize;
}

WriteOutcome saveReceivedScan(ScanVolume &volume, const std::vector<uint8_t> &received, const QString &path)
{
    checkRange(0, static_cast<long long>(received.size()), volume.scan_image.size());
    std::copy(received.begin(), received.end(), volume.scan_image.data());
    PrepareImageForSave(volume, ScanLayout::kLayerStride, kLastPrepared);
    return saveScanImage(path, volume);
}
