// The thickness map and the comparison of two scans over the whole sample
// volume (every layer, the whole gate) beside a plain pass that reads the
// same samples once and keeps each trace's largest.

#include "sample_volume.h"
#include "scan_comparison.h"
#include "wall_thickness.h"

#include <benchmark/benchmark.h>

#include <algorithm>

namespace {

constexpr MapGate kWholeVolume{};

void mapTheThickness(benchmark::State &state)
{
    const auto volume = loadSampleVolume();
    ThicknessSearch search;
    search.gate = kWholeVolume;
    search.mode = state.range(0) == 0 ? EchoMode::Peak : EchoMode::Flank;
    for (auto _ : state)
        benchmark::DoNotOptimize(thicknessMap(*volume, search));
}

void compareTwoScans(benchmark::State &state)
{
    const auto a = loadSampleVolume();
    const auto b = loadSampleVolume();
    for (auto _ : state)
        benchmark::DoNotOptimize(compareScans(*a, *b, kWholeVolume));
}

// Trace bytes 1..128 of every trace, as the whole gate reads them.
void readEveryTraceOnce(benchmark::State &state)
{
    const auto volume = loadSampleVolume();
    const int scans = static_cast<int>(state.range(0));
    for (auto _ : state) {
        int sum = 0;
        for (int pass = 0; pass < scans; ++pass) {
            for (int layer = 1; layer <= ScanLayout::kLayerCount; ++layer) {
                for (int slice = 0; slice < ScanLayout::kSlicesPerLayer; ++slice) {
                    const uint8_t *trace = volume->scan_image.data() + TraceOffset(layer, slice);
                    sum += *std::max_element(trace + 1, trace + ScanLayout::kTraceLength + 1);
                }
            }
        }
        benchmark::DoNotOptimize(sum);
    }
}

}  // namespace

// the plain pass over one scan (beside the thickness map) and over two (beside the comparison)
BENCHMARK(readEveryTraceOnce)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);
// 0: peak, 1: flank
BENCHMARK(mapTheThickness)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(compareTwoScans)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
