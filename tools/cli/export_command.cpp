// velmora-cli export FILE [view options] --format vlm|seg2|ascii|seg2-standard
// --output NAME [--force]: writes the loaded (smoothed) image through the
// program's writers.

#include "cli_commands.h"

#include "command_line.h"
#include "export_writers.h"
#include "scan_loading.h"

#include <QFileInfo>

#include <memory>
#include <optional>

namespace {

// The same texts as the program's message boxes.
const QString kFileExists = QStringLiteral("File exist ! Overwrite ?");
const QString kCantWriteFile = QStringLiteral("Can't write file!");
const QString kUnableToWriteFile = QStringLiteral("Unable to write to file");

std::optional<LayerFormat> layerFormatNamed(const QString &name)
{
    if (name == QLatin1String("seg2"))
        return LayerFormat::Seg2;
    if (name == QLatin1String("seg2-standard"))
        return LayerFormat::Seg2Standard;
    if (name == QLatin1String("ascii"))
        return LayerFormat::Ascii;
    return std::nullopt;
}

int exportScanFile(ScanVolume &volume, const QString &output)
{
    const WriteOutcome outcome = saveScanImagePrepared(output, volume, SavedScanFile::kFirstPrepared, SavedScanFile::kLastPrepared);
    if (!outcome.ok) {
        reportFailure(QStringLiteral("cannot save %1: %2").arg(output, outcome.error));
        return 1;
    }
    return 0;
}

int exportLayerFiles(const ScanVolume &volume, const QString &output, LayerFormat format)
{
    bool failures = false;
    const QString message = format == LayerFormat::Ascii ? kUnableToWriteFile : kCantWriteFile;
    exportLayers(volume, output, format, [] { return QDateTime::currentDateTimeUtc(); },
                 [&](const QString &path, const QString &reason) {
                     reportFailure(QStringLiteral("%1 %2: %3").arg(message, path, reason));
                     failures = true;
                     return format != LayerFormat::Ascii;
                 });
    return failures ? 1 : 0;
}

}  // namespace

int runExport(const QStringList &arguments)
{
    CommandLine line(arguments);
    ViewState view;
    line.takeViewOptions(view);
    const auto format = line.takeValue(QStringLiteral("--format"));
    const auto output = line.takeValue(QStringLiteral("--output"));
    const bool force = line.takeFlag(QStringLiteral("--force"));
    const QString file = line.takeFile();
    const bool scanFile = format && *format == QLatin1String("vlm");
    const auto layerFormat = format ? layerFormatNamed(*format) : std::nullopt;
    if (line.failed() || !output || (!scanFile && !layerFormat)) {
        if (!line.failed())
            reportFailure(QStringLiteral("usage: velmora-cli export FILE [view options] "
                                         "--format vlm|seg2|ascii|seg2-standard --output NAME [--force]"));
        return 2;
    }
    if (!force && scanFile && QFileInfo::exists(*output)) {
        reportFailure(kFileExists);
        return 1;
    }
    if (!force && layerFormat) {
        // the name given is never written: the layer files are what would be replaced
        if (const QStringList existing = existingLayerFiles(*output, *layerFormat); !existing.isEmpty()) {
            reportFailure(existingLayerFilesText(existing) + QStringLiteral(": not overwritten without --force"));
            return 1;
        }
    }
    auto volume = std::make_unique<ScanVolume>();
    if (!loadScan(file, *volume))
        return 1;
    return scanFile ? exportScanFile(*volume, *output) : exportLayerFiles(*volume, *output, *layerFormat);
}
