// libFuzzer target: whatever a scan file holds, the reader stays inside its
// arrays, takes the bytes that arrived, leaves the others as they were, and
// the smoothing and the depth scale that follow stay inside theirs.

#include "scan_loader.h"

#include <QBuffer>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

namespace {

constexpr int kFileHeaderSize = 16;

struct Fixture {
    ScanVolume volume;
    std::vector<uint8_t> rawAtStart;  // raw_image as allocated
    long long lastArrived = 0;        // raw_image bytes the previous input changed
};

Fixture &fixture()
{
    static Fixture *instance = [] {
        auto *created = new Fixture;
        AllocateVolume(created->volume, {});
        created->rawAtStart.assign(created->volume.raw_image.data(),
                                   created->volume.raw_image.data() + created->volume.raw_image.size());
        return created;
    }();
    return *instance;
}

void require(bool condition)
{
    if (!condition)
        __builtin_trap();
}

// The last layer whose smoothing reads a byte before arrived: layer L reads
// its own bytes and those of layer L + 1.
int lastLayerReached(long long arrived)
{
    if (arrived <= ScanLayout::kHeaderBlockSize)
        return 0;
    return static_cast<int>((arrived - 1 - ScanLayout::kHeaderBlockSize) / ScanLayout::kLayerStride) + 1;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Fixture &run = fixture();
    uint8_t *raw = run.volume.raw_image.data();
    const long long rawSize = run.volume.raw_image.size();
    std::memcpy(raw, run.rawAtStart.data(), static_cast<std::size_t>(run.lastArrived));

    QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    const ScanFileRead read = readScanFileInto(buffer, run.volume);

    const bool magic = size >= 7 && std::memcmp(data, "VLMv1.0", 7) == 0;
    require(read.magicMatches == magic);
    const long long arrived =
        magic ? std::clamp<long long>(static_cast<long long>(size) - kFileHeaderSize, 0, ScanLayout::kImageSize) : 0;
    require(read.imageBytesRead == arrived);
    require(arrived == 0 || std::memcmp(raw, data + kFileHeaderSize, static_cast<std::size_t>(arrived)) == 0);
    require(std::memcmp(raw + arrived, run.rawAtStart.data() + arrived, static_cast<std::size_t>(rawSize - arrived))
            == 0);
    run.lastArrived = arrived;

    smoothLoadedImage(run.volume, lastLayerReached(arrived));
    const int factor = depthScaleFactor(run.volume);
    require(std::find(ScanLayout::kDepthScaleTable.begin(), ScanLayout::kDepthScaleTable.end(), factor)
            != ScanLayout::kDepthScaleTable.end());
    return 0;
}
