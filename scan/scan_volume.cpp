#include "scan_volume.h"

#include "start_picture_mask.h"

#include <algorithm>
#include <new>

namespace {

constexpr int kStartGridSide = 201;
constexpr int16_t kStartPictureValue = 1000;

template <class Allocate>
void allocateOrReport(Allocate allocate, const OutOfMemoryReport &report)
{
    try {
        allocate();
    } catch (const std::bad_alloc &) {
        if (report)
            report();
    }
}

void clearImage(ScanVolume &volume)
{
    std::fill_n(volume.scan_image.data(), ScanLayout::kClearedEntries, uint8_t{0});
}

// The start picture stands four planes thick (z = 17..20), its rows running
// along x, reversed, and its columns along y.
bool inStartPicturePlanes(int z)
{
    const double f = z / 16.0 - 1.0;
    return 0.0 < f && f < 0.3;
}

}  // namespace

int TraceOffset(int layer, int slice)
{
    const int layerStart = checkedMul(checkedSub(layer, 1), ScanLayout::kLayerStride);
    return checkedAdd(checkedAdd(ScanLayout::kHeaderBlockSize, layerStart),
                      checkedMul(slice, ScanLayout::kTraceLength));
}

int depth_scale_code(const ScanVolume &volume)
{
    return volume.scan_image[ScanLayout::kDepthScaleByte] & ScanLayout::kDepthScaleMask;
}

int depthScaleFactor(const ScanVolume &volume)
{
    return ScanLayout::kDepthScaleTable[static_cast<std::size_t>(depth_scale_code(volume))];
}

int depthMillimetres(int depth, int scaleFactor)
{
    return static_cast<int>(static_cast<long double>(depth) * scaleFactor / 16);
}

void AllocateVolumeArrays(ScanVolume &volume, const OutOfMemoryReport &report)
{
    volume.row_max = ScanLayout::kRowMax;
    volume.layer_stride = ScanLayout::kLayerStride;
    allocateOrReport([&] { volume.raw_image.allocate(ScanLayout::kClearedEntries); }, report);
    allocateOrReport([&] { volume.voxels.allocate(VoxelLayout::kEntries); }, report);
    allocateOrReport([&] { volume.slice_grid.allocate(kStartGridSide, kStartGridSide); }, report);
}

void FillStartPicture(ScanVolume &volume)
{
    clearImage(volume);
    for (int i = 0; i <= VoxelLayout::kHighestIndex; ++i) {
        const int z = i / VoxelLayout::kPlaneSize;
        const int y = (i / VoxelLayout::kColumns) % VoxelLayout::kRows;
        const int x = i % VoxelLayout::kColumns;
        const bool set = inStartPicturePlanes(z)
                         && StartPictureMask::cell(StartPictureMask::kSide - 1 - x, y) == 1;
        volume.voxels[i] = set ? kStartPictureValue : 0;
    }
}

void AllocateVolume(ScanVolume &volume, const OutOfMemoryReport &report)
{
    AllocateVolumeArrays(volume, report);
    FillStartPicture(volume);
}

void ClearVolume(ScanVolume &volume)
{
    std::fill_n(volume.voxels.data(), volume.voxels.size(), int16_t{0});
    clearImage(volume);
}

bool layersAreEmpty(const ScanVolume &volume)
{
    const uint8_t *image = volume.scan_image.data();
    return std::all_of(image + ScanLayout::kHeaderBlockSize, image + ScanLayout::kTailStart,
                       [](uint8_t value) { return value == 0; });
}

void ReleaseVolumeArrays(ScanVolume &volume)
{
    volume.raw_image.release();
    volume.voxels.release();
    volume.slice_grid.release();
}
