#include "export_targets.h"

#include "cli_commands.h"
#include "save_choice.h"

namespace {

bool writeScanFile(ScanVolume &volume, const QString &output)
{
    const WriteOutcome outcome = saveScanImagePrepared(output, volume, SavedScanFile::kFirstPrepared, SavedScanFile::kLastPrepared);
    if (!outcome.ok)
        reportFailure(QStringLiteral("cannot save %1: %2").arg(output, outcome.error));
    return outcome.ok;
}

bool writeLayerFiles(const ScanVolume &volume, const QString &output, LayerFormat format)
{
    const FileSetOutcome outcome = exportLayers(volume, output, format, [] { return QDateTime::currentDateTimeUtc(); });
    if (!outcome.ok)
        reportFailure(QStringLiteral("cannot save %1: %2; the 24 layer files were left as they were")
                          .arg(outcome.path, outcome.error));
    return outcome.ok;
}

bool writeVolumeFile(const ScanVolume &volume, const QString &output, VolumeFormat format,
                     const VolumeSource &source)
{
    const WriteOutcome outcome = exportVolume(output, format, volume, source);
    if (!outcome.ok)
        reportFailure(QStringLiteral("cannot save %1: %2").arg(output, outcome.error));
    return outcome.ok;
}

}  // namespace

std::optional<ExportFormat> exportFormatNamed(const QString &name)
{
    for (const ExportFormatRow &row : exportFormatRows()) {
        if (name == row.name)
            return row.format;
    }
    return std::nullopt;
}

std::optional<ExportFormat> exportFormatOfName(const QString &output)
{
    const auto form = savedFormNamed(output);
    return form ? std::optional(savedFormRow(*form).format) : std::nullopt;
}

QString exportFormatNames()
{
    QStringList names;
    for (const ExportFormatRow &row : exportFormatRows())
        names << row.name;
    return names.join(QLatin1Char('|'));
}

QStringList exportOutputs(const ExportFormat &format, const QString &chosen)
{
    if (format.kind != ExportFormat::Kind::Layers)
        return {chosen};
    return layerFileNames(chosen, format.layers);
}

bool writeExport(ScanVolume &volume, const ExportFormat &format, const QString &chosen, const VolumeSource &source)
{
    switch (format.kind) {
    case ExportFormat::Kind::ScanFile:
        return writeScanFile(volume, chosen);
    case ExportFormat::Kind::Layers:
        return writeLayerFiles(volume, chosen, format.layers);
    case ExportFormat::Kind::Volume:
        break;
    }
    return writeVolumeFile(volume, chosen, format.volume, source);
}
