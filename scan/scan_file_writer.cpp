#include "scan_file_writer.h"

#include "scan_file_format.h"

#include <array>

bool writeScanFile(QIODevice &file, std::span<const uint8_t, ScanLayout::kImageSize> image)
{
    std::array<char, ScanFileFormat::kHeaderSize> header{};
    std::copy(ScanFileFormat::kMagic.begin(), ScanFileFormat::kMagic.end(), header.begin());
    return file.write(header.data(), header.size()) == header.size()
           && file.write(reinterpret_cast<const char *>(image.data()), image.size())
                  == static_cast<qint64>(image.size());
}
