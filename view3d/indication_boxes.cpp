#include "indication_boxes.h"

#include "volume_rows.h"

#include <cstdint>

void showIndicationBoxes(const D3dFunctions &d3d, const std::vector<Indication> &indications)
{
    std::vector<int32_t> boxes, numbers;
    for (const Indication &indication : indications) {
        const SampleBox &drop = indication.drop;
        // planes are the layers, 1..24, as the upload fills them
        boxes.insert(boxes.end(), {firstRowOfSlice(drop.sliceFirst), lastRowOfSlice(drop.sliceLast),
                                   pairOfByte(drop.byteFirst), pairOfByte(drop.byteLast), drop.layerFirst,
                                   drop.layerLast});
        numbers.push_back(indication.number);
    }
    d3d.d3dmarks_(static_cast<int32_t>(numbers.size()), boxes.data(), numbers.data());
}
