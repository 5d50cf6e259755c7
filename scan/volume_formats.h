#pragma once
// The forms in which other tools read the volume: a NumPy array, an NRRD
// volume, a VTK image and a CSV table. Each holds the 24 × 40 × 128 trace
// bytes of scan_image as they stand (lead bytes included), trace byte
// fastest, then slice, then layer.

#include "probe_geometry.h"
#include "scan_volume.h"

#include <QByteArray>
#include <QString>

#include <optional>

// What a file may record beside the bytes: where they came from and the probe.
struct VolumeSource {
    QString fileName;
    ProbeGeometry probe;
};

namespace NumpyArray {
const QString kExtension = QStringLiteral(".npy");
const QByteArray kMagic = QByteArrayLiteral("\x93NUMPY\x01\x00");  // format version 1.0
constexpr int kHeaderAlignment = 64;  // magic, length and header end on a multiple of it
}  // namespace NumpyArray

namespace NrrdVolume {
const QString kExtension = QStringLiteral(".nrrd");
const QByteArray kMagic = QByteArrayLiteral("NRRD0004");
}  // namespace NrrdVolume

namespace VtkImage {
const QString kExtension = QStringLiteral(".vti");
const QByteArray kArrayName = QByteArrayLiteral("amplitude");
}  // namespace VtkImage

namespace CsvTable {
const QString kExtension = QStringLiteral(".csv");
const QByteArray kHeader = QByteArrayLiteral("layer,slice,depth_mm,amplitude\n");
}  // namespace CsvTable

// The pitch taken for a slice or layer pitch that is not known.
constexpr double kAssumedPitchMm = 1.0;

// Millimetres between neighbouring voxels along depth, slice and layer.
struct VoxelSpacing {
    double depth;
    double slice;
    double layer;
    bool pitchesAssumed;  // a pitch was unknown and kAssumedPitchMm stands for it
};
VoxelSpacing voxelSpacing(const ScanVolume &volume, const ProbeGeometry &probe);

// The 122,880 trace bytes of layers 1 to 24 in file order.
QByteArray volumeTraceBytes(const ScanVolume &volume);

QByteArray npyFile(const ScanVolume &volume);
QByteArray nrrdFile(const ScanVolume &volume, const VolumeSource &source);
QByteArray vtiFile(const ScanVolume &volume, const VolumeSource &source);
// Layer and slice as the program shows them (from 1), the depth of the trace
// byte in mm with three decimals and its value.
QByteArray csvFile(const ScanVolume &volume);

enum class VolumeFormat { Npy, Nrrd, Vti, Csv };

QString volumeExtension(VolumeFormat format);
QByteArray volumeFile(VolumeFormat format, const ScanVolume &volume, const VolumeSource &source);
