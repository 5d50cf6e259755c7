// The 3-D picture of the sample scan at 1280 x 800 with the default
// threshold, its frame and axes and legend, beside a plain fill of the same
// frame in the same run; and the renewal of the 3-D volume with the library's
// reading of it. Processor time counts every thread of the process, so that
// work handed to other threads is not left out.

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

// The sample as the program shows it after loading, frames on.
std::unique_ptr<ScanVolume> startWithTheSample(const D3dFunctions &d3d)
{
    auto volume = loadSampleVolume();
    LibraryStart start;
    start.voxels = volume->voxels.data();
    startLibrary(d3d, start, [&] { d3d.d3dmove_(2, 63, 0); });
    const ViewState view;
    renewVolume(d3d, *volume, uploadRangeOf(view), view.threshold);
    return volume;
}

void snapshotInto(QImage &frame)
{
    d3dsnapshot_(reinterpret_cast<uint32_t *>(frame.bits()), kWidth, kHeight);
    benchmark::DoNotOptimize(frame.bits());
}

// A frame of an unchanged view, as after a cursor move.
void frameOfTheSample(benchmark::State &state)
{
    const D3dFunctions d3d;
    const auto volume = startWithTheSample(d3d);
    QImage frame(kWidth, kHeight, QImage::Format_ARGB32);
    for (auto _ : state)
        snapshotInto(frame);
    d3dclose_();
}

// A frame of a view turned by one step, as while dragging: the frame's
// lines, numbers and legend are drawn anew too.
void frameAfterATurnStep(benchmark::State &state)
{
    const D3dFunctions d3d;
    const auto volume = startWithTheSample(d3d);
    QImage frame(kWidth, kHeight, QImage::Format_ARGB32);
    float step = 3.0f;
    for (auto _ : state) {
        d3d.d3drotate_(0.0f, step, 0.0f);
        step = -step;
        snapshotInto(frame);
    }
    d3dclose_();
}

// "Renew image": the volume built from the scan and read again by the library.
void renewal(benchmark::State &state)
{
    const D3dFunctions d3d;
    const auto volume = startWithTheSample(d3d);
    const ViewState view;
    const UploadRange range = uploadRangeOf(view);
    for (auto _ : state) {
        renewVolume(d3d, *volume, range, view.threshold);
        benchmark::DoNotOptimize(volume->voxels.data());
    }
    d3dclose_();
}

}  // namespace

BENCHMARK(fillTheSameFrame)->Unit(benchmark::kMicrosecond)->MeasureProcessCPUTime()->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(frameOfTheSample)->Unit(benchmark::kMicrosecond)->MeasureProcessCPUTime()->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(frameAfterATurnStep)->Unit(benchmark::kMicrosecond)->MeasureProcessCPUTime()->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(renewal)->Unit(benchmark::kMicrosecond)->MeasureProcessCPUTime()->Repetitions(5)->ReportAggregatesOnly(true);
