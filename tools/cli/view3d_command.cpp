// velmora-cli view3d FILE [view options] [--turn DEG] [--tilt DEG] [--zoom STEPS]
// [--frames on|off] [--size WxH] --output OUT.png: the 3-D picture drawn off
// screen by the 3-D library after its start, one renewal and the given turn.

#include "cli_commands.h"

#include "command_line.h"
#include "cursor_position.h"
#include "library_start.h"
#include "scan_loading.h"

#include <QImage>

#include <cmath>
#include <memory>

namespace {

constexpr QSize kDesignThreeDArea{580, 547};
constexpr float kZoomStep = 0.1f;

struct TurnOptions {
    float turn = 0;
    float tilt = 0;
    int zoomSteps = 0;
    bool frames = true;
};

std::optional<TurnOptions> takeTurnOptions(CommandLine &line)
{
    TurnOptions options;
    bool ok = true;
    if (const auto turn = line.takeValue(QStringLiteral("--turn")))
        options.turn = turn->toFloat(&ok);
    if (const auto tilt = line.takeValue(QStringLiteral("--tilt")); ok && tilt)
        options.tilt = tilt->toFloat(&ok);
    if (const auto zoom = line.takeValue(QStringLiteral("--zoom")); ok && zoom)
        options.zoomSteps = zoom->toInt(&ok);
    if (const auto frames = line.takeValue(QStringLiteral("--frames")); ok && frames) {
        ok = *frames == QLatin1String("on") || *frames == QLatin1String("off");
        options.frames = *frames == QLatin1String("on");
    }
    if (!ok) {
        reportFailure(QStringLiteral("--turn and --tilt take degrees, --zoom whole steps, --frames on or off"));
        return std::nullopt;
    }
    return options;
}

}  // namespace

int runView3d(const QStringList &arguments)
{
    CommandLine line(arguments);
    ViewState view;
    line.takeViewOptions(view);
    const auto turn = takeTurnOptions(line);
    const auto size = line.takeSize(QStringLiteral("--size"), kDesignThreeDArea);
    const auto output = line.takeValue(QStringLiteral("--output"));
    const QString file = line.takeFile();
    if (line.failed() || !turn || !output) {
        if (!line.failed() && turn)
            reportFailure(QStringLiteral("usage: velmora-cli view3d FILE [view options] ... --output OUT.png"));
        return 2;
    }
    auto volume = std::make_unique<ScanVolume>();
    if (!loadScan(file, *volume))
        return 1;

    const D3dFunctions d3d;
    LibraryStart start;
    start.voxels = volume->voxels.data();
    start.frames = turn->frames;
    startLibrary(d3d, start, [&] {
        const auto cursor = cursorForLibrary(view.layer, view.depth, view.slice);
        d3d.d3dmove_(cursor[0], cursor[1], cursor[2]);
    });
    d3d.d3dorient_(libraryOrientation(view.axis));
    renewVolume(d3d, *volume, uploadRangeOf(view), view.threshold);
    d3d.d3drotate_(0.0f, turn->turn, turn->tilt);
    for (int step = 0; step < std::abs(turn->zoomSteps); ++step) {
        const float by = turn->zoomSteps > 0 ? kZoomStep : -kZoomStep;
        d3d.d3dscale_(by, by, by);
    }

    QImage picture(*size, QImage::Format_ARGB32);
    d3dsnapshot_(reinterpret_cast<uint32_t *>(picture.bits()), static_cast<uint16_t>(size->width()),
                     static_cast<uint16_t>(size->height()));
    d3d.d3dclose_();
    if (!picture.convertToFormat(QImage::Format_RGB888).save(*output, "PNG")) {
        reportFailure(QStringLiteral("cannot write %1").arg(*output));
        return 1;
    }
    return 0;
}
