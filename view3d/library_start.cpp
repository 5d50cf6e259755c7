#include "library_start.h"

void startLibrary(const D3dFunctions &d3d, const LibraryStart &start, const std::function<void()> &moveCursor)
{
    d3d.d3dinit_(start.window, start.voxels, VoxelLayout::kHighestIndex, start.bottomHeight);
    d3d.d3dlight_(start.light);
    d3d.d3drotate_(0.0f, static_cast<float>(start.turnAngle), static_cast<float>(start.tiltAngle));
    d3d.d3dtype_(1);
    if (!start.frames)
        d3d.d3dzone_();
    moveCursor();
    d3d.d3dcurse_();
    d3d.d3dreview_(1);
}

void renewVolume(const D3dFunctions &d3d, ScanVolume &volume, const UploadRange &range, int threshold)
{
    uploadVolume(volume, range);
    d3d.d3ddepthscale_(depthScaleFactor(volume));
    d3d.d3dreview_(threshold);
}

void showPitches(const D3dFunctions &d3d, const ProbeGeometry &probe)
{
    d3d.d3dpitches_(static_cast<float>(probe.slicePitch.value_or(0)), static_cast<float>(probe.layerPitch.value_or(0)));
}

int32_t libraryOrientation(SliceAxis axis)
{
    switch (axis) {
    case SliceAxis::X:
        return 0;
    case SliceAxis::Z:
        return 1;
    case SliceAxis::Y:
        break;
    }
    return 2;
}
