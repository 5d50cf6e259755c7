// The indication finder over the whole sample volume (every layer, the whole
// gate) beside a plain pass that reads the same samples once and counts the
// candidates.

#include "indications.h"
#include "sample_volume.h"

#include <benchmark/benchmark.h>

namespace {

IndicationSearch wholeVolume(int level)
{
    IndicationSearch search;
    search.level = level;
    return search;
}

void findInTheSample(benchmark::State &state)
{
    const auto volume = loadSampleVolume();
    const IndicationSearch search = wholeVolume(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(findIndications(*volume, search));
}

void countCandidates(benchmark::State &state)
{
    const auto volume = loadSampleVolume();
    const int level = static_cast<int>(state.range(0));
    for (auto _ : state) {
        int candidates = 0;
        for (int layer = 1; layer <= ScanLayout::kLayerCount; ++layer) {
            for (int slice = 0; slice < ScanLayout::kSlicesPerLayer; ++slice) {
                const uint8_t *trace = volume->scan_image.data() + TraceOffset(layer, slice);
                for (int byte = 1; byte < ScanLayout::kTraceLength; ++byte)
                    candidates += trace[byte] >= level;
            }
        }
        benchmark::DoNotOptimize(candidates);
    }
}

}  // namespace

// level 64 (half of full scale) and 16 (most of the echoes become candidates)
BENCHMARK(countCandidates)->Arg(64)->Arg(16)->Unit(benchmark::kMicrosecond);
BENCHMARK(findInTheSample)->Arg(64)->Arg(16)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
