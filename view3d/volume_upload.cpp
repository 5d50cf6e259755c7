#include "volume_upload.h"

#include "volume_rows.h"

#include <algorithm>

UploadRange uploadRangeOf(const ViewState &view)
{
    return {view.firstLayer, view.lastLayer, view.topBorder, view.bottomBorder};
}

void uploadVolume(ScanVolume &volume, const UploadRange &range)
{
    checkRange(0, VoxelLayout::kHighestIndex, volume.voxels.size());
    std::fill_n(volume.voxels.data(), VoxelLayout::kHighestIndex, int16_t{0});
    const int firstPair = range.topBorder / 2;
    const int lastPair = range.bottomBorder / 2;
    for (int layer = range.firstLayer; layer <= range.lastLayer; ++layer) {
        for (int y = 0; y < kRowsOfSlices; ++y) {
            const int trace = checkedAdd(checkedMul(layer, ScanLayout::kLayerStride),
                                         checkedMul(sliceOfRow(y), ScanLayout::kTraceLength));
            const int cells = checkedAdd(checkedMul(layer, VoxelLayout::kPlaneSize), y * VoxelLayout::kColumns);
            for (int j = firstPair; j <= lastPair; ++j) {
                const int k = trace + 2 * j;
                // cell 64 - j: the pair j = 0 lands on cell 0 of the following row
                volume.voxels[cells + VoxelLayout::kColumns - j] =
                    std::max(volume.scan_image[k], volume.scan_image[k + 1]);
            }
        }
    }
}
