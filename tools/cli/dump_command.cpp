// velmora-cli dump FILE --raw|--smoothed --output OUT.bin: the 131,072 image
// bytes as the program holds them after loading FILE.

#include "cli_commands.h"

#include "command_line.h"
#include "export_writers.h"
#include "scan_layout.h"
#include "scan_loading.h"


#include <memory>

namespace {

struct DumpOptions {
    QString file;
    QString output;
    bool raw = false;
    bool smoothed = false;
};

std::optional<DumpOptions> parseDumpOptions(const QStringList &arguments)
{
    CommandLine line(arguments);
    DumpOptions options;
    options.raw = line.takeFlag(QStringLiteral("--raw"));
    options.smoothed = line.takeFlag(QStringLiteral("--smoothed"));
    options.output = line.takeValue(QStringLiteral("--output")).value_or(QString());
    options.file = line.takeFile();
    if (line.failed() || options.output.isEmpty() || options.raw == options.smoothed)
        return std::nullopt;
    return options;
}

bool writeImage(const QString &path, const uint8_t *image)
{
    return fileWritten(path, writeFileWhole(path, [&](QFileDevice &file) {
                           return file.write(reinterpret_cast<const char *>(image), ScanLayout::kImageSize)
                                  == ScanLayout::kImageSize;
                       }));
}

}  // namespace

int runDump(const QStringList &arguments)
{
    const auto options = parseDumpOptions(arguments);
    if (!options) {
        reportFailure(QStringLiteral("usage: velmora-cli dump FILE --raw|--smoothed --output OUT.bin"));
        return 2;
    }
    auto volume = std::make_unique<ScanVolume>();
    if (!loadScan(options->file, *volume))
        return 1;
    return writeImage(options->output, options->raw ? volume->raw_image.data() : volume->scan_image.data()) ? 0 : 1;
}
