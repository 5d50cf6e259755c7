// libFuzzer target: whatever a scan file holds, the reader stays inside its
// arrays and changes the volume only as it should.

#include "scan_loader.h"

#include <QBuffer>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

namespace {

ScanVolume &volume()
{
    static ScanVolume *instance = [] {
        auto *created = new ScanVolume;
        AllocateVolume(*created, {});
        return created;
    }();
    return *instance;
}

void require(bool condition)
{
    if (!condition)
        __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    ScanVolume &scan = volume();
    const std::vector<uint8_t> rawBefore(scan.raw_image.data(), scan.raw_image.data() + scan.raw_image.size());
    QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);

    const ScanFileRead read = readScanFileInto(buffer, scan);
    smoothLoadedImage(scan);

    const bool magic = size >= 7 && std::memcmp(data, "VLMv1.0", 7) == 0;
    require(read.magicMatches == magic);
    const long long arrived = magic ? std::clamp<long long>(static_cast<long long>(size) - 16, 0, 131072) : 0;
    require(read.imageBytesRead == arrived);
    for (long long i = 0; i < scan.raw_image.size(); ++i)
        require(scan.raw_image[i] == (i < arrived ? data[16 + i] : rawBefore[static_cast<std::size_t>(i)]));
    return 0;
}
