// libFuzzer target: whatever a scan file holds, the reader stays inside its
// arrays, takes the bytes that arrived, clears the rest of the image of a
// scan file (and leaves everything of any other file as it was), and the
// smoothing and the depth scale that follow stay inside theirs.

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

// The last layer whose smoothing reads one of the first `changed` bytes:
// layer L reads its own bytes and those of layer L + 1.
int lastLayerReached(long long changed)
{
    if (changed <= ScanLayout::kHeaderBlockSize)
        return 0;
    return static_cast<int>((changed - 1 - ScanLayout::kHeaderBlockSize) / ScanLayout::kLayerStride) + 1;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Fixture &run = fixture();
    uint8_t *raw = run.volume.raw_image.data();
    const long long rawSize = run.volume.raw_image.size();
    std::memcpy(raw, run.rawAtStart.data(), run.rawAtStart.size());

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
    const long long kept = magic ? ScanLayout::kImageSize : arrived;
    require(std::all_of(raw + arrived, raw + kept, [](uint8_t byte) { return byte == 0; }));
    require(std::memcmp(raw + kept, run.rawAtStart.data() + kept, static_cast<std::size_t>(rawSize - kept)) == 0);

    smoothLoadedImage(run.volume, lastLayerReached(kept));
    const int factor = depthScaleFactor(run.volume);
    require(std::find(ScanLayout::kDepthScaleTable.begin(), ScanLayout::kDepthScaleTable.end(), factor)
            != ScanLayout::kDepthScaleTable.end());
    return 0;
}
