// velmora-cli view3d FILE [view options] [--turn DEG] [--tilt DEG] [--zoom STEPS]
// [--frames on|off] [--slice-pitch MM] [--layer-pitch MM] [--size WxH]
// [--indications [--level V | --dac D:V,... --level-dac-db DB] [--drop DB]
// [--min-samples N]] --output OUT.png:
// the 3-D picture drawn off screen by the 3-D library after its start, one
// renewal and the given turn; with --indications, the boxes of the
// indications found over it.

#include "cli_commands.h"

#include "command_line.h"
#include "picture_limits.h"
#include "png_file.h"
#include "probe_options.h"
#include "scan_loading.h"
#include "search_options.h"
#include "three_d_picture.h"

#include <QImage>

#include <memory>

int runView3d(const QStringList &arguments)
{
    CommandLine line(arguments);
    ViewState view;
    line.takeViewOptions(view);
    const auto turn = takeTurnOptions(line);
    ProbeGeometry probe;
    const bool pitchesRead = takePitch(line, QStringLiteral("--slice-pitch"), probe.slicePitch)
                             && takePitch(line, QStringLiteral("--layer-pitch"), probe.layerPitch);
    const auto size = line.takeSize(QStringLiteral("--size"), kDesignThreeDArea, kLargestThreeDSide);
    const bool withIndications = line.takeFlag(QStringLiteral("--indications"));
    std::optional<DacCurve> dac;
    const bool dacRead = !withIndications || takeDacCurve(line, dac);
    const auto search =
        withIndications && dacRead ? takeIndicationSearch(line, view, dac) : std::optional(IndicationSearch{});
    const auto output = line.takeValue(QStringLiteral("--output"));
    const QString file = line.takeFile();
    if (line.failed() || !turn || !pitchesRead || !dacRead || !search || !size || !output) {
        if (!line.failed() && turn && pitchesRead && dacRead && search)
            reportFailure(QStringLiteral("usage: velmora-cli view3d FILE [view options] ... --output OUT.png"));
        return 2;
    }
    auto volume = std::make_unique<ScanVolume>();
    if (!loadScan(file, *volume))
        return 1;

    const auto indications = withIndications ? findIndications(*volume, *search) : std::vector<Indication>{};
    const QImage picture = drawThreeDPicture(*volume, view, probe, *turn, *size, indications);
    return fileWritten(*output, savePngFile(*output, picture.convertToFormat(QImage::Format_RGB888))) ? 0 : 1;
}
