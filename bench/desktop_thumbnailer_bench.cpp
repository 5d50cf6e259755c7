// The file manager's thumbnail of a scan: one run of velmora-thumbnailer at
// the "large" size of 256 pixels, beside a run of a process that does nothing
// (true), started the same way.

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

#include <unistd.h>

namespace {

void run(benchmark::State &state, const std::string &command)
{
    for (auto _ : state)
        if (std::system(command.c_str()) != 0)
            state.SkipWithError(("failed: " + command).c_str());
}

void startAProcess(benchmark::State &state)
{
    run(state, "true");
}

void thumbnailTheSample(benchmark::State &state)
{
    const std::string output = "/tmp/velmora-thumbnailer-bench-" + std::to_string(::getpid()) + ".png";
    run(state, std::string(VELMORA_THUMBNAILER) + " -s 256 '" VELMORA_SAMPLE_SCAN "' " + output);
    ::unlink(output.c_str());
}

}  // namespace

BENCHMARK(startAProcess)->Unit(benchmark::kMillisecond)->Repetitions(3)->ReportAggregatesOnly(true);
BENCHMARK(thumbnailTheSample)->Unit(benchmark::kMillisecond)->Repetitions(3)->ReportAggregatesOnly(true);
BENCHMARK_MAIN();
