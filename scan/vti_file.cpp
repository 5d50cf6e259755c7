// VTK XML ImageData with one point array, its bytes appended raw after the
// XML: an underscore, the byte count as a little-endian 32-bit number, the
// bytes. x runs along depth, y along the slices, z along the layers.

#include "volume_formats.h"

#include "decimal_text.h"

#include <QtEndian>

namespace {

QByteArray extent()
{
    return "0 " + QByteArray::number(ScanLayout::kTraceLength - 1) + " 0 "
           + QByteArray::number(ScanLayout::kSlicesPerLayer - 1) + " 0 "
           + QByteArray::number(ScanLayout::kLayerCount - 1);
}

QByteArray byteCount(int count)
{
    char bytes[4];
    qToLittleEndian<uint32_t>(static_cast<uint32_t>(count), bytes);
    return QByteArray(bytes, sizeof bytes);
}

}  // namespace

QByteArray vtiFile(const ScanVolume &volume, const VolumeSource &source)
{
    const VoxelSpacing spacing = voxelSpacing(volume, source.probe);
    const QByteArray data = volumeTraceBytes(volume);
    QByteArray file = "<?xml version=\"1.0\"?>\n";
    if (spacing.pitchesAssumed)
        file += "<!-- a slice or layer pitch not known: " + realNumberText(kAssumedPitchMm) + " mm taken for it -->\n";
    file += "<VTKFile type=\"ImageData\" version=\"1.0\" byte_order=\"LittleEndian\" header_type=\"UInt32\">\n";
    file += "  <ImageData WholeExtent=\"" + extent() + "\" Origin=\"0 0 0\" Spacing=\"" + realNumberText(spacing.depth)
            + ' ' + realNumberText(spacing.slice) + ' ' + realNumberText(spacing.layer) + "\">\n";
    file += "    <Piece Extent=\"" + extent() + "\">\n";
    file += "      <PointData Scalars=\"" + VtkImage::kArrayName + "\">\n";
    file += "        <DataArray type=\"UInt8\" Name=\"" + VtkImage::kArrayName
            + "\" NumberOfComponents=\"1\" format=\"appended\" offset=\"0\"/>\n";
    file += "      </PointData>\n"
            "    </Piece>\n"
            "  </ImageData>\n"
            "  <AppendedData encoding=\"raw\">\n"
            "   _";
    file += byteCount(data.size()) + data;
    file += "\n  </AppendedData>\n"
            "</VTKFile>\n";
    return file;
}
