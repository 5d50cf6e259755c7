// Loading a scan file from the page cache and smoothing it, beside a plain
// copy of the same 131,088 bytes.

#include "scan_file_format.h"
#include "scan_loader.h"

#include <benchmark/benchmark.h>

#include <QFile>

#include <cstring>
#include <memory>
#include <vector>

namespace {

void loadAndSmooth(benchmark::State &state)
{
    auto volume = std::make_unique<ScanVolume>();
    AllocateVolume(*volume, {});
    for (auto _ : state) {
        if (loadScanFile(QStringLiteral(VELMORA_SAMPLE_SCAN), *volume).openFailure) {
            state.SkipWithError("the sample scan cannot be opened");
            return;
        }
        benchmark::DoNotOptimize(volume->scan_image.data());
    }
    state.SetBytesProcessed(state.iterations() * ScanFileFormat::kFileSize);
}

void readTheSameFile(benchmark::State &state)
{
    for (auto _ : state) {
        QFile file(QStringLiteral(VELMORA_SAMPLE_SCAN));
        if (!file.open(QIODevice::ReadOnly)) {
            state.SkipWithError("the sample scan cannot be opened");
            return;
        }
        benchmark::DoNotOptimize(file.readAll());
    }
    state.SetBytesProcessed(state.iterations() * ScanFileFormat::kFileSize);
}

void copyTheSameBytes(benchmark::State &state)
{
    std::vector<char> from(ScanFileFormat::kFileSize, 1);
    std::vector<char> to(ScanFileFormat::kFileSize);
    for (auto _ : state) {
        std::memcpy(to.data(), from.data(), from.size());
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * ScanFileFormat::kFileSize);
}

}  // namespace

BENCHMARK(loadAndSmooth);
BENCHMARK(readTheSameFile);
BENCHMARK(copyTheSameBytes);
BENCHMARK_MAIN();
