#pragma once
// The program's calls into the 3-D library, as a table so that tests can put
// a recording double in place of the library.

#include "d3d.h"

#include <functional>

struct D3dFunctions {
    std::function<void(void *, int16_t *, int32_t, uint16_t)> d3dinit_ = ::d3dinit_;
    std::function<void(uint16_t)> d3dlight_ = ::d3dlight_;
    std::function<void(float, float, float)> d3drotate_ = ::d3drotate_;
    std::function<void(int32_t)> d3dtype_ = ::d3dtype_;
    std::function<void()> d3dzone_ = ::d3dzone_;
    std::function<void(float, float, float)> d3dmove_ = ::d3dmove_;
    std::function<void()> d3dcurse_ = ::d3dcurse_;
    std::function<void(int32_t)> d3dreview_ = ::d3dreview_;
    std::function<void(uint16_t, uint16_t)> d3dzero_ = ::d3dzero_;
    std::function<void(uint16_t, uint16_t)> d3dsize_ = ::d3dsize_;
    std::function<void(float, float, float)> d3dscale_ = ::d3dscale_;
    std::function<void(int32_t)> d3dorient_ = ::d3dorient_;
    std::function<void(int32_t)> d3ddepthscale_ = ::d3ddepthscale_;
    std::function<void(float, float)> d3dpitches_ = ::d3dpitches_;
    std::function<void(int32_t, const int32_t *, const int32_t *)> d3dmarks_ = ::d3dmarks_;
    std::function<void()> d3dupdate_ = ::d3dupdate_;
    std::function<void()> d3dclose_ = ::d3dclose_;
};
