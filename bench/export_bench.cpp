// Exporting all 24 layers of the sample as SEG-2 and as ASCII files into a
// temporary folder, beside a plain write of the same number of bytes.

#include "export_writers.h"
#include "sample_volume.h"

#include <benchmark/benchmark.h>

#include <QTemporaryDir>

namespace {

void exportAs(benchmark::State &state, LayerFormat format, const QString &name)
{
    auto volume = loadSampleVolume();
    QTemporaryDir folder;
    const QString chosen = folder.filePath(name);
    for (auto _ : state) {
        exportLayers(*volume, chosen, format, [] { return QDateTime::currentDateTimeUtc(); },
                     [&](const QString &, const QString &reason) {
                         state.SkipWithError(qPrintable(reason));
                         return false;
                     });
    }
}

void seg2Export(benchmark::State &state)
{
    exportAs(state, LayerFormat::Seg2, QStringLiteral("bench.dat"));
    state.SetBytesProcessed(state.iterations() * 24 * Seg2::kFileSize);
}

void asciiExport(benchmark::State &state)
{
    exportAs(state, LayerFormat::Ascii, QStringLiteral("bench.asc"));
    state.SetBytesProcessed(state.iterations() * 24 * 5120 * 24);
}

// 24 files of the SEG-2 size written in one piece each.
void plainWriteOfTheSameBytes(benchmark::State &state)
{
    QTemporaryDir folder;
    const QByteArray bytes(Seg2::kFileSize, '\x01');
    for (auto _ : state) {
        for (int layer = 1; layer <= 24; ++layer) {
            QFile file(folder.filePath(QStringLiteral("plain%1.dat").arg(layer)));
            if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
                state.SkipWithError("cannot write");
        }
    }
    state.SetBytesProcessed(state.iterations() * 24 * Seg2::kFileSize);
}

}  // namespace

BENCHMARK(seg2Export)->Unit(benchmark::kMillisecond)->Repetitions(3)->ReportAggregatesOnly(true);
BENCHMARK(asciiExport)->Unit(benchmark::kMillisecond)->Repetitions(3)->ReportAggregatesOnly(true);
BENCHMARK(plainWriteOfTheSameBytes)->Unit(benchmark::kMillisecond)->Repetitions(3)->ReportAggregatesOnly(true);
BENCHMARK_MAIN();
