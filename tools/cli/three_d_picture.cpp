#include "three_d_picture.h"

#include "cli_commands.h"
#include "cursor_position.h"
#include "indication_boxes.h"
#include "library_start.h"

#include <cmath>

namespace {

constexpr float kZoomStep = 0.1f;
constexpr float kFullTurn = 360;
// from the smallest zoom to the largest and beyond
constexpr int kMostZoomSteps = 100;

}  // namespace

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

QImage drawThreeDPicture(ScanVolume &volume, const ViewState &view, const ProbeGeometry &probe, const TurnOptions &turn,
                         QSize size, const std::vector<Indication> &indications)
{
    const D3dFunctions d3d;
    LibraryStart start;
    start.voxels = volume.voxels.data();
    start.frames = turn.frames;
    startLibrary(d3d, start, [&] {
        const auto cursor = cursorForLibrary(view.layer, view.depth, view.slice);
        d3d.d3dmove_(cursor[0], cursor[1], cursor[2]);
    });
    showPitches(d3d, probe);
    d3d.d3dorient_(libraryOrientation(view.axis));
    renewVolume(d3d, volume, uploadRangeOf(view), view.threshold);
    showIndicationBoxes(d3d, indications);
    d3d.d3drotate_(0.0f, turn.turn, turn.tilt);
    for (int step = 0; step < std::abs(turn.zoomSteps); ++step) {
        const float by = turn.zoomSteps > 0 ? kZoomStep : -kZoomStep;
        d3d.d3dscale_(by, by, by);
    }

    QImage picture(size, QImage::Format_ARGB32);
    d3dsnapshot_(reinterpret_cast<uint32_t *>(picture.bits()), static_cast<uint16_t>(size.width()),
                 static_cast<uint16_t>(size.height()));
    d3d.d3dclose_();
    return picture;
}
