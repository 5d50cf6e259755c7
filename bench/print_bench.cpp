// Composing a page of 4800 x 6800 device pixels from the sample's slice,
// with smoothing and without, beside a plain fill of the page bitmap; the
// share of the progress reports; saving the page as a PNG file at the
// fastest level beside Qt's default level; and saving it as a PDF file beside
// a plain deflate of the page's bytes at the same level.

#include "page_composition.h"
#include "pdf_page.h"
#include "png_file.h"
#include "sample_volume.h"
#include "slice_renderer.h"

#include <benchmark/benchmark.h>

#include <QPageSize>
#include <QTemporaryDir>

#include <zlib.h>

#include <vector>

namespace {

constexpr int kPageWidth = 4800;
constexpr int kPageHeight = 6800;

struct RenderedSample {
    std::unique_ptr<ScanVolume> volume = loadSampleVolume();
    PrintSubject subject;

    explicit RenderedSample(bool smoothing)
    {
        ViewState view;
        view.axis = SliceAxis::Y;
        view.layer = 12;
        renderSliceAt(*volume, view, QSize(557, 500));
        subject.axis = view.axis;
        subject.layer = view.layer;
        subject.smoothing = smoothing;
        subject.font = QFont(QStringLiteral("Arial"));
        subject.font.setBold(true);
    }
};

void fillThePageBitmap(benchmark::State &state)
{
    QImage page(kPageWidth, kPageHeight, QImage::Format_RGB888);
    int grey = 0;
    for (auto _ : state) {
        page.fill(QColor(grey, grey, grey));
        grey = (grey + 1) % 256;
        benchmark::DoNotOptimize(page.bits());
    }
}

void composeThePage(benchmark::State &state)
{
    const RenderedSample sample(state.range(0) != 0);
    const PageLayout layout = pageLayout(kPageWidth, kPageHeight, PrintMargins{}, false);
    for (auto _ : state) {
        ComposedPage composed = composePage(*sample.volume, sample.subject, layout, false);
        benchmark::DoNotOptimize(composed.page.bits());
    }
}

// The progress reports alone, with an empty handler: their share of the whole.
void progressReports(benchmark::State &state)
{
    const RenderedSample sample(true);
    const PageLayout layout = pageLayout(kPageWidth, kPageHeight, PrintMargins{}, false);
    int reports = 0;
    for (auto _ : state) {
        ComposedPage composed =
            composePage(*sample.volume, sample.subject, layout, false, [&](int, int) { ++reports; });
        benchmark::DoNotOptimize(composed.page.bits());
    }
    state.counters["reports"] = reports / static_cast<double>(state.iterations());
}

// Arg 0: QImage::save at Qt's default level, the baseline; 1: savePngFile.
void saveThePageAsPng(benchmark::State &state)
{
    const RenderedSample sample(true);
    const PageLayout layout = pageLayout(kPageWidth, kPageHeight, PrintMargins{}, false);
    const QImage page = composePage(*sample.volume, sample.subject, layout, false).page;
    const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("page.png"));
    for (auto _ : state) {
        const bool saved = state.range(0) == 0 ? page.save(path, "PNG") : savePngFile(path, page).ok;
        if (!saved)
            state.SkipWithError("the page could not be saved");
    }
}

// The baseline of the PDF: the page's bytes deflated in memory in one call.
void deflateThePageBytes(benchmark::State &state)
{
    const RenderedSample sample(true);
    const PageLayout layout = pageLayout(kPageWidth, kPageHeight, PrintMargins{}, false);
    const QImage page = composePage(*sample.volume, sample.subject, layout, false).page;
    std::vector<Bytef> deflated(compressBound(static_cast<uLong>(page.sizeInBytes())));
    for (auto _ : state) {
        auto length = static_cast<uLongf>(deflated.size());
        if (compress2(deflated.data(), &length, page.constBits(), static_cast<uLong>(page.sizeInBytes()),
                      Z_BEST_SPEED) != Z_OK)
            state.SkipWithError("the page could not be deflated");
        benchmark::DoNotOptimize(deflated.data());
    }
}

void saveThePageAsPdf(benchmark::State &state)
{
    const RenderedSample sample(true);
    const PageLayout layout = pageLayout(kPageWidth, kPageHeight, PrintMargins{}, false);
    const QImage page = composePage(*sample.volume, sample.subject, layout, false).page;
    const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("page.pdf"));
    const PdfDocument document{QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()), 600,
                               QStringLiteral("page"), QStringLiteral("print_bench")};
    for (auto _ : state) {
        if (!savePdfPage(path, document, page).ok)
            state.SkipWithError("the page could not be saved");
    }
}

}  // namespace

BENCHMARK(fillThePageBitmap)->Unit(benchmark::kMillisecond)->Repetitions(3)->ReportAggregatesOnly(true);
BENCHMARK(composeThePage)->Arg(0)->Arg(1)->ArgName("smoothing")->Unit(benchmark::kMillisecond)->Repetitions(3)
    ->ReportAggregatesOnly(true);
BENCHMARK(progressReports)->Unit(benchmark::kMillisecond)->Repetitions(3)->ReportAggregatesOnly(true);
BENCHMARK(saveThePageAsPng)->Arg(0)->Arg(1)->ArgName("fastest")->Unit(benchmark::kMillisecond)->Repetitions(3)
    ->ReportAggregatesOnly(true);
BENCHMARK(deflateThePageBytes)->Unit(benchmark::kMillisecond)->Repetitions(3)->ReportAggregatesOnly(true);
BENCHMARK(saveThePageAsPdf)->Unit(benchmark::kMillisecond)->Repetitions(3)->ReportAggregatesOnly(true);
