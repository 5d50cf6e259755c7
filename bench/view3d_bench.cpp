// One frame of the 3-D picture of the sample scan at 1280 x 800 with the
// default threshold, beside a plain fill of the same frame, and the renewal
// of the 3-D volume alone.

#include "d3d.h"
#include "library_start.h"
#include "sample_volume.h"

#include <benchmark/benchmark.h>

#include <QImage>

namespace {

constexpr int kWidth = 1280;
constexpr int kHeight = 800;

void fillTheSameFrame(benchmark::State &state)
{
    QImage frame(kWidth, kHeight, QImage::Format_ARGB32);
    uint32_t colour = 0xFF000000;
    for (auto _ : state) {
        frame.fill(colour++);
        benchmark::DoNotOptimize(frame.bits());
    }
}

void frameOfTheSample(benchmark::State &state)
{
    auto volume = loadSampleVolume();
    const D3dFunctions d3d;
    LibraryStart start;
    start.voxels = volume->voxels.data();
    startLibrary(d3d, start, [&] { d3d.d3dmove_(2, 63, 0); });
    const ViewState view;
    renewVolume(d3d, *volume, uploadRangeOf(view), view.threshold);
    QImage frame(kWidth, kHeight, QImage::Format_ARGB32);
    for (auto _ : state) {
        d3dsnapshot_(reinterpret_cast<uint32_t *>(frame.bits()), kWidth, kHeight);
        benchmark::DoNotOptimize(frame.bits());
    }
    d3dclose_();
}

void renewal(benchmark::State &state)
{
    auto volume = loadSampleVolume();
    const UploadRange range = uploadRangeOf(ViewState());
    for (auto _ : state) {
        uploadVolume(*volume, range);
        benchmark::DoNotOptimize(volume->voxels.data());
    }
}

}  // namespace

BENCHMARK(fillTheSameFrame)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(frameOfTheSample)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(renewal)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
