// Exporting the sample into a temporary folder: all 24 layers as SEG-2 and
// as ASCII files, and the NRRD and CSV files of the volume, each beside a
// plain write of the same number of bytes into as many files, and beside the
// same bytes, ready made, put in place by the atomic writer (which waits for
// the disk): the export's own work is the difference to the latter.

#include "export_writers.h"
#include "sample_volume.h"

#include <benchmark/benchmark.h>

#include <QTemporaryDir>

namespace {

constexpr qsizetype kAsciiLayerSize = AsciiColumns::kLinesPerLayer * AsciiColumns::kLineLength;

void layerExport(benchmark::State &state, LayerFormat format, const QString &name, qsizetype layerFileSize)
{
    auto volume = loadSampleVolume();
    QTemporaryDir folder;
    const QString chosen = folder.filePath(name);
    for (auto _ : state) {
        const FileSetOutcome outcome =
            exportLayers(*volume, chosen, format, [] { return QDateTime::currentDateTimeUtc(); });
        if (!outcome.ok) {
            state.SkipWithError(qPrintable(outcome.error));
            break;
        }
    }
    state.SetBytesProcessed(state.iterations() * ScanLayout::kLayerCount * layerFileSize);
}

void volumeExport(benchmark::State &state, VolumeFormat format)
{
    auto volume = loadSampleVolume();
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("bench") + volumeExtension(format));
    const VolumeSource source{QStringLiteral(VELMORA_SAMPLE_SCAN), {}};
    for (auto _ : state) {
        const WriteOutcome outcome = exportVolume(path, format, *volume, source);
        if (!outcome.ok)
            state.SkipWithError(qPrintable(outcome.error));
    }
    state.SetBytesProcessed(state.iterations() * volumeFile(format, *volume, source).size());
}

// files files of size bytes, each written in one piece.
void plainWrite(benchmark::State &state, int files, qsizetype size)
{
    QTemporaryDir folder;
    const QByteArray bytes(size, '\x01');
    for (auto _ : state) {
        for (int i = 1; i <= files; ++i) {
            QFile file(folder.filePath(QStringLiteral("plain%1").arg(i)));
            if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
                state.SkipWithError("cannot write");
        }
    }
    state.SetBytesProcessed(state.iterations() * files * size);
}

void atomicWrite(benchmark::State &state, int files, qsizetype size)
{
    QTemporaryDir folder;
    const QByteArray bytes(size, '\x01');
    for (auto _ : state) {
        for (int i = 1; i <= files; ++i) {
            const WriteOutcome outcome = writeFileWhole(folder.filePath(QStringLiteral("atomic%1").arg(i)),
                                                        [&](QFileDevice &file) { return file.write(bytes) == size; });
            if (!outcome.ok)
                state.SkipWithError(qPrintable(outcome.error));
        }
    }
    state.SetBytesProcessed(state.iterations() * files * size);
}

qsizetype volumeFileSize(VolumeFormat format)
{
    return volumeFile(format, *loadSampleVolume(), {QStringLiteral(VELMORA_SAMPLE_SCAN), {}}).size();
}

void plainWriteOfAVolumeFile(benchmark::State &state, VolumeFormat format)
{
    plainWrite(state, 1, volumeFileSize(format));
}

void atomicWriteOfAVolumeFile(benchmark::State &state, VolumeFormat format)
{
    atomicWrite(state, 1, volumeFileSize(format));
}

void seg2Export(benchmark::State &state)
{
    layerExport(state, LayerFormat::Seg2, QStringLiteral("bench.dat"), Seg2::kFileSize);
}

void asciiExport(benchmark::State &state)
{
    layerExport(state, LayerFormat::Ascii, QStringLiteral("bench.asc"), kAsciiLayerSize);
}

}  // namespace

#define VELMORA_EXPORT_BENCHMARK(...) \
    __VA_ARGS__->Unit(benchmark::kMillisecond)->Repetitions(3)->ReportAggregatesOnly(true)

VELMORA_EXPORT_BENCHMARK(BENCHMARK(seg2Export));
VELMORA_EXPORT_BENCHMARK(BENCHMARK_CAPTURE(plainWrite, seg2Bytes, ScanLayout::kLayerCount, Seg2::kFileSize));
VELMORA_EXPORT_BENCHMARK(BENCHMARK(asciiExport));
VELMORA_EXPORT_BENCHMARK(BENCHMARK_CAPTURE(plainWrite, asciiBytes, ScanLayout::kLayerCount, kAsciiLayerSize));
VELMORA_EXPORT_BENCHMARK(BENCHMARK_CAPTURE(atomicWrite, asciiBytes, ScanLayout::kLayerCount, kAsciiLayerSize));
VELMORA_EXPORT_BENCHMARK(BENCHMARK_CAPTURE(volumeExport, csv, VolumeFormat::Csv));
VELMORA_EXPORT_BENCHMARK(BENCHMARK_CAPTURE(plainWriteOfAVolumeFile, csvBytes, VolumeFormat::Csv));
VELMORA_EXPORT_BENCHMARK(BENCHMARK_CAPTURE(atomicWriteOfAVolumeFile, csvBytes, VolumeFormat::Csv));
VELMORA_EXPORT_BENCHMARK(BENCHMARK_CAPTURE(volumeExport, nrrd, VolumeFormat::Nrrd));
VELMORA_EXPORT_BENCHMARK(BENCHMARK_CAPTURE(plainWriteOfAVolumeFile, nrrdBytes, VolumeFormat::Nrrd));
VELMORA_EXPORT_BENCHMARK(BENCHMARK_CAPTURE(atomicWriteOfAVolumeFile, nrrdBytes, VolumeFormat::Nrrd));
BENCHMARK_MAIN();
