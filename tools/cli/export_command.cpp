// velmora-cli export FILE [view options] --format F --output NAME [--force],
// or FILE... --format F --output-dir DIR [--force]: writes the loaded
// (smoothed) image through the program's writers. --slice-pitch and
// --layer-pitch give the probe's pitches in mm for the NRRD and VTK files.

#include "cli_commands.h"

#include "batch_export.h"
#include "command_line.h"
#include "native_path.h"
#include "probe_options.h"
#include "scan_loading.h"


#include <memory>

namespace {

const QString kFileExists = QStringLiteral("File exist ! Overwrite ?");

void reportUsage()
{
    reportFailure(QStringLiteral("usage: velmora-cli export FILE [view options] --format %1 --output NAME [--force] "
                                 "[--slice-pitch MM] [--layer-pitch MM]\n"
                                 "   or: velmora-cli export FILE... --format %1 --output-dir DIR [--force] "
                                 "[--slice-pitch MM] [--layer-pitch MM]")
                      .arg(exportFormatNames()));
}

int exportOne(const QString &file, const ExportFormat &format, const QString &output, const ProbeGeometry &probe,
              bool force)
{
    if (!force && format.kind == ExportFormat::Kind::Layers) {
        // the name given is never written: the layer files are what would be replaced
        if (const QStringList existing = existingLayerFiles(output, format.layers); !existing.isEmpty()) {
            reportFailure(existingLayerFilesText(existing) + QStringLiteral(": not overwritten without --force"));
            return 1;
        }
    } else if (!force && pathTaken(output)) {
        reportFailure(kFileExists);
        return 1;
    }
    auto volume = std::make_unique<ScanVolume>();
    if (!loadScan(file, *volume))
        return 1;
    return writeExport(*volume, format, output, {file, probe}) ? 0 : 1;
}

}  // namespace

int runExport(const QStringList &arguments)
{
    CommandLine line(arguments);
    ViewState view;
    line.takeViewOptions(view);
    const auto formatName = line.takeValue(QStringLiteral("--format"));
    const auto output = line.takeValue(QStringLiteral("--output"));
    const auto folder = line.takeValue(QStringLiteral("--output-dir"));
    const bool force = line.takeFlag(QStringLiteral("--force"));
    ProbeGeometry probe;
    if (!takePitch(line, QStringLiteral("--slice-pitch"), probe.slicePitch)
        || !takePitch(line, QStringLiteral("--layer-pitch"), probe.layerPitch))
        return 2;
    const auto format = formatName ? exportFormatNamed(*formatName) : std::nullopt;
    if (line.failed() || !format || output.has_value() == folder.has_value()) {
        if (!line.failed())
            reportUsage();
        return 2;
    }
    if (folder) {
        const QStringList files = line.takeFiles();
        return line.failed() ? 2 : runBatchExport({files, *folder, *format, probe, force});
    }
    const QString file = line.takeFile();
    return line.failed() ? 2 : exportOne(file, *format, *output, probe, force);
}
