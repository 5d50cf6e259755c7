// NumPy's .npy format 1.0: the magic and version, the header's length as a
// little-endian 16-bit number, the header (a Python dict literal ending in a
// line feed, padded with spaces so that the data begins on a multiple of 64),
// then the array's bytes in C order.

#include "volume_formats.h"

#include <QtEndian>

namespace {

constexpr int kHeaderLengthSize = 2;

QByteArray shapeText()
{
    return QByteArray::number(ScanLayout::kLayerCount) + ", " + QByteArray::number(ScanLayout::kSlicesPerLayer)
           + ", " + QByteArray::number(ScanLayout::kTraceLength);
}

}  // namespace

QByteArray npyFile(const ScanVolume &volume)
{
    QByteArray header = "{'descr': '|u1', 'fortran_order': False, 'shape': (" + shapeText() + "), }";
    const int unpadded = NumpyArray::kMagic.size() + kHeaderLengthSize + header.size() + 1;
    const int alignment = NumpyArray::kHeaderAlignment;
    header.append((alignment - unpadded % alignment) % alignment, ' ');
    header.append('\n');
    char length[kHeaderLengthSize];
    qToLittleEndian<uint16_t>(static_cast<uint16_t>(header.size()), length);
    return NumpyArray::kMagic + QByteArray(length, kHeaderLengthSize) + header + volumeTraceBytes(volume);
}
