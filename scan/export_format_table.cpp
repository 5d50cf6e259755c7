#include "export_format_table.h"

#include "scan_file_format.h"

#include <array>

namespace {

ExportFormatRow row(const char *name, const char *fileType, const ExportFormat &format)
{
    return {QLatin1String(name), QLatin1String(fileType), exportExtension(format), format};
}

}  // namespace

QString exportExtension(const ExportFormat &format)
{
    switch (format.kind) {
    case ExportFormat::Kind::ScanFile:
        return ScanFileFormat::text(ScanFileFormat::kExtension);
    case ExportFormat::Kind::Layers:
        return layerExtension(format.layers);
    case ExportFormat::Kind::Volume:
        break;
    }
    return volumeExtension(format.volume);
}

std::span<const ExportFormatRow> exportFormatRows()
{
    using Kind = ExportFormat::Kind;
    static const std::array<ExportFormatRow, 8> rows{
        row("vlm", "M7340 VLM files", {Kind::ScanFile}),
        row("seg2", "SEG2 files", {Kind::Layers, LayerFormat::Seg2}),
        row("ascii", "ASCII3COL files", {Kind::Layers, LayerFormat::Ascii}),
        row("seg2-standard", "", {Kind::Layers, LayerFormat::Seg2Standard}),
        row("npy", "NumPy arrays", {Kind::Volume, {}, VolumeFormat::Npy}),
        row("nrrd", "NRRD volumes", {Kind::Volume, {}, VolumeFormat::Nrrd}),
        row("vti", "VTK image data", {Kind::Volume, {}, VolumeFormat::Vti}),
        row("csv", "CSV tables", {Kind::Volume, {}, VolumeFormat::Csv}),
    };
    return rows;
}
