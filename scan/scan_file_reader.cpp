#include "scan_file_reader.h"

#include "scan_file_format.h"

#include <algorithm>
#include <array>

namespace {

// Reads until count bytes arrived or the device has no more; returns the count read.
qint64 readFully(QIODevice &file, char *into, qint64 count)
{
    qint64 total = 0;
    while (total < count) {
        const qint64 got = file.read(into + total, count - total);
        if (got <= 0)
            break;
        total += got;
    }
    return total;
}

}  // namespace

ScanFileRead readScanFile(QIODevice &file, std::span<uint8_t, ScanLayout::kImageSize> image)
{
    std::array<char, ScanFileFormat::kHeaderSize> header;
    header.fill(ScanFileFormat::kHeaderFill);
    readFully(file, header.data(), header.size());

    ScanFileRead result;
    result.magicMatches = std::equal(ScanFileFormat::kMagic.begin(), ScanFileFormat::kMagic.end(),
                                     header.begin());
    if (!result.magicMatches)
        return result;
    result.imageBytesRead = static_cast<int>(
        readFully(file, reinterpret_cast<char *>(image.data()), ScanLayout::kImageSize));
    return result;
}
