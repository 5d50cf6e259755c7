// NRRD0004 with the data attached after the header's blank line, raw. The
// sizes go fastest axis first: the one amplitude of a sample, trace byte
// (depth), slice, layer.

#include "volume_formats.h"

#include "decimal_text.h"

#include <QFileInfo>

namespace {

QByteArray vector(double x, double y, double z)
{
    return '(' + realNumberText(x) + ',' + realNumberText(y) + ',' + realNumberText(z) + ')';
}

// A key/value value may not hold a line feed: the format writes it as \n and
// a backslash as \\.
QByteArray escapedValue(const QString &value)
{
    QByteArray text = value.toUtf8();
    text.replace('\\', "\\\\");
    text.replace('\n', "\\n");
    return text;
}

QByteArray pitchComments(const ProbeGeometry &probe)
{
    QByteArray comments;
    const QByteArray assumed = realNumberText(kAssumedPitchMm);
    if (!probe.slicePitch)
        comments += "# slice pitch not known: " + assumed + " mm taken for it\n";
    if (!probe.layerPitch)
        comments += "# layer pitch not known: " + assumed + " mm taken for it\n";
    return comments;
}

}  // namespace

QByteArray nrrdFile(const ScanVolume &volume, const VolumeSource &source)
{
    const VoxelSpacing spacing = voxelSpacing(volume, source.probe);
    QByteArray file = NrrdVolume::kMagic + '\n';
    file += "# Velmora scan volume: echo amplitudes along depth, slice and layer\n";
    file += pitchComments(source.probe);
    // The samples are values of one quantity over three axes: a leading axis
    // of one scalar carries its name, which VTK's and ParaView's readers take
    // for the name of the data from the first label, while teem and ITK read
    // that axis as the scalar pixel of a three-dimensional image. The sizes
    // come before "space:", after which VTK's reader would take three only.
    file += "type: uint8\n"
            "dimension: 4\n";
    file += "sizes: 1 " + QByteArray::number(ScanLayout::kTraceLength) + ' '
            + QByteArray::number(ScanLayout::kSlicesPerLayer) + ' ' + QByteArray::number(ScanLayout::kLayerCount)
            + '\n';
    file += "content: amplitude\n"
            "kinds: scalar domain domain domain\n"
            "labels: \"amplitude\" \"depth\" \"slice\" \"layer\"\n"
            "space: 3D-right-handed\n";
    file += "space directions: none " + vector(spacing.depth, 0, 0) + ' ' + vector(0, spacing.slice, 0) + ' '
            + vector(0, 0, spacing.layer) + '\n';
    file += "space units: \"mm\" \"mm\" \"mm\"\n"
            "space origin: (0,0,0)\n"
            "encoding: raw\n";
    file += "source_file:=" + escapedValue(QFileInfo(source.fileName).fileName()) + '\n';
    file += "depth_scale_code:=" + QByteArray::number(depth_scale_code(volume)) + '\n';
    file += '\n';
    return file + volumeTraceBytes(volume);
}
