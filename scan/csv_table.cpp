// The CSV table: its header line, then one line per trace byte, layer by
// layer, slice by slice, nearest byte first. The depth of trace byte b is
// b · T / 16 mm, which three decimals hold exactly for every T of the table.

#include "volume_formats.h"

#include "decimal_text.h"

#include <algorithm>
#include <array>

namespace {

constexpr int kLongestLine = 24;  // "24,40,1587.500,255\n" and room to spare
constexpr int kLineCount = ScanLayout::kLayerCount * ScanLayout::kSlicesPerLayer * ScanLayout::kTraceLength;

// ",DEPTH," for each trace byte.
std::array<QByteArray, ScanLayout::kTraceLength> depthFields(int scaleFactor)
{
    std::array<QByteArray, ScanLayout::kTraceLength> fields;
    for (int b = 0; b < ScanLayout::kTraceLength; ++b) {
        char text[kLongestLine];
        text[0] = ',';
        char *end = putThousandths(text + 1, b * scaleFactor * 1000 / 16);
        *end++ = ',';
        fields[static_cast<std::size_t>(b)] = QByteArray(text, end - text);
    }
    return fields;
}

}  // namespace

QByteArray csvFile(const ScanVolume &volume)
{
    const auto depths = depthFields(depthScaleFactor(volume));
    QByteArray table(CsvTable::kHeader.size() + kLineCount * kLongestLine, Qt::Uninitialized);
    char *at = std::copy(CsvTable::kHeader.begin(), CsvTable::kHeader.end(), table.data());
    for (int layer = 1; layer <= ScanLayout::kLayerCount; ++layer) {
        for (int slice = 0; slice < ScanLayout::kSlicesPerLayer; ++slice) {
            char prefix[kLongestLine];
            char *prefixEnd = putWholeNumber(prefix, layer);
            *prefixEnd++ = ',';
            prefixEnd = putWholeNumber(prefixEnd, slice + 1);
            const int trace = TraceOffset(layer, slice);
            checkRange(trace, ScanLayout::kTraceLength, ScanLayout::kImageSize);
            for (int b = 0; b < ScanLayout::kTraceLength; ++b) {
                at = std::copy(prefix, prefixEnd, at);
                const QByteArray &depth = depths[static_cast<std::size_t>(b)];
                at = std::copy(depth.begin(), depth.end(), at);
                at = putWholeNumber(at, volume.scan_image.data()[trace + b]);
                *at++ = '\n';
            }
        }
    }
    table.truncate(at - table.data());
    return table;
}
