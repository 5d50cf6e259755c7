// The scan browser's thumbnails: one thumbnail (read, smooth, project the
// gate maximum, render at 200 x 120) beside a plain read of the same file,
// and a folder of 500 copies of the sample listed and thumbnailed one after
// the other, as the browser's worker does, beside reading the 500 files.

#include "scan_folder.h"
#include "thumbnail_job.h"

#include <benchmark/benchmark.h>

#include <QFile>
#include <QTemporaryDir>

namespace {

constexpr int kFolderScans = 500;
const QString kSample = QStringLiteral(VELMORA_SAMPLE_SCAN);

void plainRead(const QString &path)
{
    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) {
        const QByteArray bytes = file.readAll();
        benchmark::DoNotOptimize(bytes.constData());
    }
}

// A folder of copies of the sample, made once for the whole run.
const QStringList &folderOfCopies()
{
    static QTemporaryDir folder;
    static QStringList paths;
    if (paths.isEmpty()) {
        for (int i = 0; i < kFolderScans; ++i) {
            paths << folder.filePath(QStringLiteral("scan%1.vlm").arg(i));
            QFile::copy(kSample, paths.last());
        }
    }
    return paths;
}

void readTheFile(benchmark::State &state)
{
    for (auto _ : state)
        plainRead(kSample);
}

void oneThumbnail(benchmark::State &state)
{
    ThumbnailMaker maker;
    for (auto _ : state) {
        const ScanThumbnail thumbnail = maker.make(kSample);
        benchmark::DoNotOptimize(thumbnail.picture.constBits());
    }
}

void readTheFolder(benchmark::State &state)
{
    const QStringList &paths = folderOfCopies();
    for (auto _ : state)
        for (const QString &path : paths)
            plainRead(path);
}

void thumbnailTheFolder(benchmark::State &state)
{
    const QStringList &paths = folderOfCopies();
    const QString folder = paths.first().section(QLatin1Char('/'), 0, -2);
    const std::atomic<bool> never{false};
    for (auto _ : state) {
        const ScanFolderListing listing = listScanFolder(folder);
        QStringList wanted;
        for (const ScanFolderEntry &entry : listing.entries)
            wanted << entry.path;
        const int made = makeThumbnails(wanted, kThumbnailSize, never, [](int, const ScanThumbnail &thumbnail) {
            benchmark::DoNotOptimize(thumbnail.picture.constBits());
        });
        if (made != kFolderScans)
            state.SkipWithError("not every scan was thumbnailed");
    }
}

}  // namespace

BENCHMARK(readTheFile)->Unit(benchmark::kMicrosecond)->Repetitions(3)->ReportAggregatesOnly(true);
BENCHMARK(oneThumbnail)->Unit(benchmark::kMicrosecond)->Repetitions(3)->ReportAggregatesOnly(true);
BENCHMARK(readTheFolder)->Unit(benchmark::kMillisecond);
BENCHMARK(thumbnailTheFolder)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
