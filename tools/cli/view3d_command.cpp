// velmora-cli view3d FILE [view options] [--turn DEG] [--tilt DEG] [--zoom STEPS]
// [--frames on|off] [--size WxH] --output OUT.png: the 3-D picture drawn off
// screen by the 3-D library after its start, one renewal and the given turn.

#include "cli_commands.h"

#include "command_line.h"
#include "cursor_position.h"
#include "library_start.h"
#include "picture_limits.h"
#include "png_file.h"
#include "scan_loading.h"

#include <QImage>

#include <cmath>
#include <memory>

namespace {

constexpr QSize kDesignThreeDArea{580, 547};
constexpr float kZoomStep = 0.1f;
constexpr float kFullTurn = 360;
// from the smallest zoom to the largest and beyond
constexpr int kMostZoomSteps = 100;

struct TurnOptions {
    float turn = 0;
    float tilt = 0;
    int zoomSteps = 0;
    bool frames = true;
};

std::optional<TurnOptions> takeTurnOptions(CommandLine &line)
{
    TurnOptions options;
    const auto turn = line.takeReal(QStringLiteral("--turn"), 0, -kFullTurn, kFullTurn);
    const auto tilt = line.takeReal(QStringLiteral("--tilt"), 0, -kFullTurn, kFullTurn);
    const auto zoom = line.takeInteger(QStringLiteral("--zoom"), 0, -kMostZoomSteps, kMostZoomSteps);
    const auto frames = line.takeValue(QStringLiteral("--frames"));
    if (!turn || !tilt || !zoom || line.failed())
        return std::nullopt;
    if (frames && *frames != QLatin1String("on") && *frames != QLatin1String("off")) {
        reportFailure(QStringLiteral("--frames takes on or off, not \"%1\"").arg(*frames));
        return std::nullopt;
    }
    options.turn = *turn;
    options.tilt = *tilt;
    options.zoomSteps = *zoom;
    options.frames = !frames || *frames == QLatin1String("on");
    return options;
}

}  // namespace

int runView3d(const QStringList &arguments)
{
    CommandLine line(arguments);
    ViewState view;
    line.takeViewOptions(view);
    const auto turn = takeTurnOptions(line);
    const auto size = line.takeSize(QStringLiteral("--size"), kDesignThreeDArea, kLargestThreeDSide);
    const auto output = line.takeValue(QStringLiteral("--output"));
    const QString file = line.takeFile();
    if (line.failed() || !turn || !size || !output) {
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
    return fileWritten(*output, savePngFile(*output, picture.convertToFormat(QImage::Format_RGB888))) ? 0 : 1;
}
