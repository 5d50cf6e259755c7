#include "volume_formats.h"

namespace {

constexpr int kDepthStepsPerScaleFactor = 16;

}  // namespace

VoxelSpacing voxelSpacing(const ScanVolume &volume, const ProbeGeometry &probe)
{
    return {static_cast<double>(depthScaleFactor(volume)) / kDepthStepsPerScaleFactor,
            probe.slicePitch.value_or(kAssumedPitchMm), probe.layerPitch.value_or(kAssumedPitchMm),
            !probe.complete()};
}

QByteArray volumeTraceBytes(const ScanVolume &volume)
{
    QByteArray bytes;
    bytes.reserve(ScanLayout::kLayerCount * ScanLayout::kLayerStride);
    for (int layer = 1; layer <= ScanLayout::kLayerCount; ++layer) {
        const int first = TraceOffset(layer, 0);
        checkRange(first, ScanLayout::kLayerStride, ScanLayout::kImageSize);
        bytes.append(reinterpret_cast<const char *>(volume.scan_image.data()) + first, ScanLayout::kLayerStride);
    }
    return bytes;
}

QString volumeExtension(VolumeFormat format)
{
    switch (format) {
    case VolumeFormat::Npy:
        return NumpyArray::kExtension;
    case VolumeFormat::Nrrd:
        return NrrdVolume::kExtension;
    case VolumeFormat::Vti:
        return VtkImage::kExtension;
    case VolumeFormat::Csv:
        break;
    }
    return CsvTable::kExtension;
}

QByteArray volumeFile(VolumeFormat format, const ScanVolume &volume, const VolumeSource &source)
{
    switch (format) {
    case VolumeFormat::Npy:
        return npyFile(volume);
    case VolumeFormat::Nrrd:
        return nrrdFile(volume, source);
    case VolumeFormat::Vti:
        return vtiFile(volume, source);
    case VolumeFormat::Csv:
        break;
    }
    return csvFile(volume);
}
