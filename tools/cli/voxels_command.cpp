// velmora-cli voxels FILE [view options] --output OUT.bin: the volume handed
// to the 3-D library after one renewal, as signed 16-bit little-endian values.

#include "cli_commands.h"

#include "command_line.h"
#include "export_writers.h"
#include "scan_loading.h"
#include "volume_upload.h"

#include <QtEndian>

#include <memory>
#include <vector>

namespace {

bool writeVoxels(const QString &path, const ScanVolume &volume)
{
    std::vector<char> bytes(static_cast<std::size_t>(volume.voxels.size()) * 2);
    for (long long i = 0; i < volume.voxels.size(); ++i)
        qToLittleEndian<int16_t>(volume.voxels[i], bytes.data() + 2 * i);
    return fileWritten(path, writeFileWhole(path, [&](QFileDevice &file) {
                           return file.write(bytes.data(), static_cast<qint64>(bytes.size()))
                                  == static_cast<qint64>(bytes.size());
                       }));
}

}  // namespace

int runVoxels(const QStringList &arguments)
{
    CommandLine line(arguments);
    ViewState view;
    line.takeViewOptions(view);
    const auto output = line.takeValue(QStringLiteral("--output"));
    const QString file = line.takeFile();
    if (line.failed() || !output) {
        if (!line.failed())
            reportFailure(QStringLiteral("usage: velmora-cli voxels FILE [view options] --output OUT.bin"));
        return 2;
    }
    auto volume = std::make_unique<ScanVolume>();
    if (!loadScan(file, *volume))
        return 1;
    uploadVolume(*volume, uploadRangeOf(view));
    return writeVoxels(*output, *volume) ? 0 : 1;
}
