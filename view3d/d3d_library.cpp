// The entry points of the 3-D library. The library holds one scene and, when
// the host gave a window, one viewport in it.

#include "d3d.h"

#include "scene.h"
#include "scene_renderer.h"
#include "viewport_widget.h"

#include <QPointer>

#include <algorithm>
#include <cmath>

namespace {

struct Library {
    bool open = false;
    const int16_t *volume = nullptr;
    int32_t highestIndex = -1;
    Scene scene;
    QPointer<ViewportWidget> viewport;
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

int cellValue(const Library &lib, int x, int y, int z)
{
    x = std::clamp(x, 0, D3D_VOLUME_COLUMNS - 1);
    y = std::clamp(y, 0, D3D_VOLUME_ROWS - 1);
    z = std::clamp(z, 0, D3D_VOLUME_PLANES - 1);
    const int index = (z * D3D_VOLUME_ROWS + y) * D3D_VOLUME_COLUMNS + x;
    return index <= lib.highestIndex ? lib.volume[index] : 0;
}

// The normal of a cell from the amplitudes of its neighbours; planes lie two
// units apart, rows and columns one.
void setNormal(VisibleCell &cell, const Library &lib)
{
    const float gx = static_cast<float>(cellValue(lib, cell.x + 1, cell.y, cell.z) - cellValue(lib, cell.x - 1, cell.y, cell.z));
    const float gy = static_cast<float>(cellValue(lib, cell.x, cell.y + 1, cell.z) - cellValue(lib, cell.x, cell.y - 1, cell.z));
    const float gz = static_cast<float>(cellValue(lib, cell.x, cell.y, cell.z + 1) - cellValue(lib, cell.x, cell.y, cell.z - 1)) / 2;
    const float length = std::sqrt(gx * gx + gy * gy + gz * gz);
    if (length < 1e-3f) {
        cell.normalX = cell.normalY = cell.normalZ = 0;
        return;
    }
    cell.normalX = static_cast<int8_t>(-gx / length * 127);
    cell.normalY = static_cast<int8_t>(-gy / length * 127);
    cell.normalZ = static_cast<int8_t>(-gz / length * 127);
}

void readVolume(Library &lib)
{
    lib.scene.cells.clear();
    if (!lib.volume)
        return;
    const int32_t last = std::min<int32_t>(lib.highestIndex, D3D_VOLUME_COLUMNS * D3D_VOLUME_ROWS * D3D_VOLUME_PLANES - 1);
    for (int32_t i = 0; i <= last; ++i) {
        const int16_t value = lib.volume[i];
        if (value <= lib.scene.threshold)
            continue;
        VisibleCell cell{static_cast<int8_t>(i % D3D_VOLUME_COLUMNS),
                         static_cast<int8_t>(i / D3D_VOLUME_COLUMNS % D3D_VOLUME_ROWS),
                         static_cast<int8_t>(i / (D3D_VOLUME_COLUMNS * D3D_VOLUME_ROWS)), value, 0, 0, 0};
        setNormal(cell, lib);
        lib.scene.cells.push_back(cell);
    }
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
    QImage image(reinterpret_cast<uchar *>(pixels), width, height, width * 4, QImage::Format_ARGB32);
    renderScene(library().scene, image);
}

}  // extern "C"
