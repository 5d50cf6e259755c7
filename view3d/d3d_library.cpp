// The entry points of the 3-D library. The library holds one scene and, when
// the host gave a window, one viewport in it.

#include "d3d.h"

#include "frame_renderer.h"
#include "scene.h"
#include "viewport_widget.h"
#include "volume_box.h"
#include "volume_cells.h"

#include <QPointer>

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace {

struct Library {
    bool open = false;
    const int16_t *volume = nullptr;
    int32_t highestIndex = -1;
    Scene scene;
    QPointer<ViewportWidget> viewport;
    FrameRenderer snapshots;
};

Library &library()
{
    static Library instance;
    return instance;
}

void changed()
{
    if (library().viewport)
        library().viewport->sceneChanged();
}

void readVolume(Library &lib)
{
    lib.scene.cells = readVisibleCells(lib.volume, lib.highestIndex + 1, lib.scene.threshold);
}

// A box as the host gives it, each stretch ordered and kept to the cells shown.
Mark markOf(const int32_t *box, int32_t number)
{
    const auto stretch = [](int32_t a, int32_t b, int lowest, int highest) {
        const int first = std::clamp<int32_t>(std::min(a, b), lowest, highest);
        return std::pair{first, std::clamp<int32_t>(std::max(a, b), first, highest)};
    };
    const auto [firstRow, lastRow] = stretch(box[0], box[1], 0, kRowsOfSlices - 1);
    const auto [firstPair, lastPair] = stretch(box[2], box[3], 0, kShownPairs - 1);
    const auto [firstPlane, lastPlane] = stretch(box[4], box[5], kFirstLayerPlane, kFirstLayerPlane + kShownLayers - 1);
    return {firstRow, lastRow, firstPair, lastPair, firstPlane, lastPlane, number};
}

}  // namespace

extern "C" {

void d3dinit_(void *window, int16_t *volume, int32_t highestIndex, uint16_t bottomHeight)
{
    d3dclose_();
    Library &lib = library();
    lib.open = true;
    lib.volume = volume;
    lib.highestIndex = highestIndex;
    lib.scene = Scene{};
    if (window) {
        auto *host = static_cast<QWidget *>(window);
        lib.viewport = new ViewportWidget(host, lib.scene);
        lib.viewport->setOrigin(0, bottomHeight);
        lib.viewport->setAreaSize(host->width(), std::max(0, host->height() - bottomHeight));
    }
}

void d3dlight_(uint16_t on)
{
    library().scene.lit = on != 0;
    changed();
}

void d3drotate_(float depthAxis, float vertical, float horizontal)
{
    Scene &scene = library().scene;
    scene.roll += depthAxis;
    scene.turn += vertical;
    scene.tilt += horizontal;
    changed();
}

void d3dtype_(int32_t type)
{
    if (type == 1) {
        library().scene.frames = !library().scene.frames;
        changed();
    }
}

void d3dzone_(void)
{
    library().scene.frames = false;
    changed();
}

void d3dmove_(float zPosition, float xPosition, float yPosition)
{
    Scene &scene = library().scene;
    scene.cursorZ = zPosition;
    scene.cursorX = xPosition;
    scene.cursorY = yPosition;
    changed();
}

void d3dcurse_(void)
{
    library().scene.cursorShown = true;
    changed();
}

void d3dreview_(int32_t threshold)
{
    Library &lib = library();
    lib.scene.threshold = threshold;
    readVolume(lib);
    changed();
}

void d3dzero_(uint16_t left, uint16_t bottom)
{
    if (ViewportWidget *viewport = library().viewport)
        viewport->setOrigin(left, bottom);
}

void d3dsize_(uint16_t width, uint16_t height)
{
    if (ViewportWidget *viewport = library().viewport)
        viewport->setAreaSize(width, height);
}

void d3dscale_(float x, float y, float z)
{
    float *zoom = library().scene.zoom;
    zoom[0] = std::clamp(zoom[0] + x, kMinimumZoom, kMaximumZoom);
    zoom[1] = std::clamp(zoom[1] + y, kMinimumZoom, kMaximumZoom);
    zoom[2] = std::clamp(zoom[2] + z, kMinimumZoom, kMaximumZoom);
    changed();
}

void d3dorient_(int32_t axis)
{
    library().scene.orientAxis = axis;
    changed();
}

void d3ddepthscale_(int32_t millimetresPer16Samples)
{
    if (millimetresPer16Samples <= 0 || millimetresPer16Samples == library().scene.depthScale)
        return;
    library().scene.depthScale = millimetresPer16Samples;
    changed();
}

void d3dpitches_(float sliceMillimetres, float layerMillimetres)
{
    Scene &scene = library().scene;
    const auto known = [](float pitch) { return std::isfinite(pitch) && pitch > 0 ? pitch : 0.0f; };
    const float slice = known(sliceMillimetres), layer = known(layerMillimetres);
    if (slice == scene.slicePitch && layer == scene.layerPitch)
        return;
    scene.slicePitch = slice;
    scene.layerPitch = layer;
    changed();
}

void d3dmarks_(int32_t count, const int32_t *boxes, const int32_t *numbers)
{
    std::vector<Mark> &marks = library().scene.marks;
    marks.clear();
    if (count > 0 && boxes && numbers)
        for (int32_t i = 0; i < count; ++i)
            marks.push_back(markOf(boxes + 6 * i, numbers[i]));
    changed();
}

void d3dupdate_(void)
{
    if (library().viewport)
        library().viewport->update();
}

void d3dclose_(void)
{
    Library &lib = library();
    if (!lib.open)
        return;
    delete lib.viewport.data();
    lib.viewport = nullptr;
    lib.volume = nullptr;
    lib.scene = Scene{};
    lib.open = false;
}

void d3dsnapshot_(uint32_t *pixels, uint16_t width, uint16_t height)
{
    QImage image(reinterpret_cast<uchar *>(pixels), width, height, width * 4, QImage::Format_RGB32);
    library().snapshots.render(library().scene, image);
}

}  // extern "C"
