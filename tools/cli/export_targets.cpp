#include "export_targets.h"

#include "cli_commands.h"
#include "save_choice.h"

namespace {

struct NamedFormat {
    const char *name;
    ExportFormat format;
};

const NamedFormat kFormats[] = {
    {"vlm", {ExportFormat::Kind::ScanFile}},
    {"seg2", {ExportFormat::Kind::Layers, LayerFormat::Seg2}},
    {"ascii", {ExportFormat::Kind::Layers, LayerFormat::Ascii}},
    {"seg2-standard", {ExportFormat::Kind::Layers, LayerFormat::Seg2Standard}},
    {"npy", {ExportFormat::Kind::Volume, {}, VolumeFormat::Npy}},
    {"nrrd", {ExportFormat::Kind::Volume, {}, VolumeFormat::Nrrd}},
    {"vti", {ExportFormat::Kind::Volume, {}, VolumeFormat::Vti}},
    {"csv", {ExportFormat::Kind::Volume, {}, VolumeFormat::Csv}},
};

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
    for (const NamedFormat &named : kFormats) {
        if (name == QLatin1String(named.name))
            return named.format;
    }
    return std::nullopt;
}

std::optional<ExportFormat> exportFormatOfName(const QString &output)
{
    const auto form = savedFormNamed(output);
    if (!form)
        return std::nullopt;
    switch (*form) {
    case SavedForm::ScanFile:
        return ExportFormat{ExportFormat::Kind::ScanFile};
    case SavedForm::Seg2:
        return ExportFormat{ExportFormat::Kind::Layers, LayerFormat::Seg2};
    case SavedForm::Ascii:
        return ExportFormat{ExportFormat::Kind::Layers, LayerFormat::Ascii};
    case SavedForm::Npy:
        return ExportFormat{ExportFormat::Kind::Volume, {}, VolumeFormat::Npy};
    case SavedForm::Nrrd:
        return ExportFormat{ExportFormat::Kind::Volume, {}, VolumeFormat::Nrrd};
    case SavedForm::Vti:
        return ExportFormat{ExportFormat::Kind::Volume, {}, VolumeFormat::Vti};
    case SavedForm::Csv:
        break;
    }
    return ExportFormat{ExportFormat::Kind::Volume, {}, VolumeFormat::Csv};
}

QString exportFormatNames()
{
    QStringList names;
    for (const NamedFormat &named : kFormats)
        names << QLatin1String(named.name);
    return names.join(QLatin1Char('|'));
}

QString exportExtension(const ExportFormat &format)
{
    switch (format.kind) {
    case ExportFormat::Kind::ScanFile:
        return savedFormExtension(SavedForm::ScanFile);
    case ExportFormat::Kind::Layers:
        return layerExtension(format.layers);
    case ExportFormat::Kind::Volume:
        break;
    }
    return volumeExtension(format.volume);
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
