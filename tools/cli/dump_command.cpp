// velmora-cli dump FILE --raw|--smoothed --output OUT.bin: the 131,072 image
// bytes as the program holds them after loading FILE.

#include "cli_commands.h"

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
    DumpOptions options;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        if (argument == QLatin1String("--raw"))
            options.raw = true;
        else if (argument == QLatin1String("--smoothed"))
            options.smoothed = true;
        else if (argument == QLatin1String("--output") && i + 1 < arguments.size())
            options.output = arguments[++i];
        else if (!argument.startsWith(QLatin1String("--")) && options.file.isEmpty())
            options.file = argument;
        else
            return std::nullopt;
    }
    if (options.file.isEmpty() || options.output.isEmpty() || options.raw == options.smoothed)
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
