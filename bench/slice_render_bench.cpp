// One render of the slice pictures with the main image at 1920 x 1080, in
// block and in smoothing mode, and the overview, beside a plain fill of the
// same bitmap.

#include "sample_volume.h"
#include "slice_renderer.h"

#include <benchmark/benchmark.h>

#include <cstring>

namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;

ViewState sampleView(uint8_t smoothing)
{
    ViewState view;
    view.axis = SliceAxis::Y;
    view.layer = 12;
    view.slice = 20;
    view.depth = 40;
    view.smoothing = smoothing;
    return view;
}

void fillTheSameBitmap(benchmark::State &state)
{
    QImage image = makeSliceBitmap(kWidth, kHeight);
    uint8_t grey = 0;
    for (auto _ : state) {
        for (int y = 0; y < kHeight; ++y)
            std::memset(image.scanLine(y), grey, static_cast<std::size_t>(kWidth) * 3);
        ++grey;
        benchmark::DoNotOptimize(image.bits());
        benchmark::ClobberMemory();
    }
}

void mainImage(benchmark::State &state)
{
    auto volume = loadSampleVolume();
    const ViewState view = sampleView(static_cast<uint8_t>(state.range(0)));
    SliceGeometry geometry;
    fillSliceGrid(*volume, view, geometry);
    mapGreyLevels(volume->slice_grid, view.brightness);
    QImage image = makeSliceBitmap(kWidth, kHeight);
    for (auto _ : state) {
        drawMainImage(*volume, view, geometry, image);
        benchmark::DoNotOptimize(image.bits());
        benchmark::ClobberMemory();
    }
}

void overview(benchmark::State &state)
{
    auto volume = loadSampleVolume();
    const ViewState view = sampleView(0);
    SliceGeometry geometry;
    fillSliceGrid(*volume, view, geometry);
    mapGreyLevels(volume->slice_grid, view.brightness);
    QImage image = makeSliceBitmap(kOverviewWidth, kOverviewHeight);
    for (auto _ : state) {
        drawOverview(volume->slice_grid, *volume, image);
        benchmark::DoNotOptimize(image.bits());
    }
}

void wholeRender(benchmark::State &state)
{
    auto volume = loadSampleVolume();
    const ViewState view = sampleView(static_cast<uint8_t>(state.range(0)));
    QImage mainImage = makeSliceBitmap(kWidth, kHeight);
    QImage overviewImage = makeSliceBitmap(kOverviewWidth, kOverviewHeight);
    QImage aScan = makeAScanBitmap();
    SliceBitmaps bitmaps{mainImage, overviewImage, aScan};
    SliceGeometry geometry;
    for (auto _ : state) {
        renderSlice(*volume, view, geometry, bitmaps);
        benchmark::DoNotOptimize(mainImage.bits());
    }
}

}  // namespace

BENCHMARK(fillTheSameBitmap)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(mainImage)->Arg(0)->Arg(1)->ArgName("smoothing")->Unit(benchmark::kMicrosecond)->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(overview)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(wholeRender)->Arg(0)->Arg(1)->ArgName("smoothing")->Unit(benchmark::kMicrosecond)->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK_MAIN();
