// velmora-cli print FILE [view options] [--size WxH] [--page WxH]
// [--margins L,R,T,B] [--info] [--palette NAME] --output OUT.png|OUT.pdf: the
// slice rendered as the program renders it, composed on one page as the
// program prints it.

#include "cli_commands.h"

#include "command_line.h"
#include "page_composition.h"
#include "pdf_page.h"
#include "picture_limits.h"
#include "png_file.h"
#include "probe_options.h"
#include "scan_loading.h"
#include "slice_renderer.h"

#include <QPageLayout>

#include <cmath>
#include <memory>

namespace {

constexpr QSize kDesignSliceImage{557, 500};
constexpr int kPdfResolution = 600;

std::optional<PrintMargins> parseMargins(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != 4)
        return std::nullopt;
    int values[4];
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        values[i] = parts[i].toInt(&ok);
        if (!ok || values[i] < 1 || values[i] > 10)
            return std::nullopt;
    }
    return PrintMargins{static_cast<uint8_t>(values[0]), static_cast<uint8_t>(values[1]),
                        static_cast<uint8_t>(values[2]), static_cast<uint8_t>(values[3])};
}

// A4 portrait, or a page of the given device pixels, at 600 dpi without margins.
QPageLayout pdfPage(const std::optional<QSize> &page)
{
    const QPageSize size = page ? QPageSize(QSizeF(page->width() * 1.0 / kPdfResolution,
                                                   page->height() * 1.0 / kPdfResolution),
                                            QPageSize::Inch, QString(), QPageSize::ExactMatch)
                                : QPageSize(QPageSize::A4);
    return QPageLayout(size, QPageLayout::Portrait, QMarginsF(0, 0, 0, 0));
}

PrintSubject subjectOf(const ViewState &view, const ScanVolume &volume, const QString &file, SlicePalette palette)
{
    PrintSubject subject;
    subject.palette = palette;
    subject.axis = view.axis;
    subject.slice = view.slice;
    subject.layer = view.layer;
    subject.depth = view.depth;
    subject.smoothing = view.smoothing == 1;
    subject.depthScaleFactor = depthScaleFactor(volume);
    subject.fileName = file;
    subject.font = QFont(QStringLiteral("Arial"));
    subject.font.setBold(true);
    return subject;
}

}  // namespace

int runPrint(const QStringList &arguments)
{
    CommandLine line(arguments);
    ViewState view;
    line.takeViewOptions(view);
    const auto size = line.takeSize(QStringLiteral("--size"), kDesignSliceImage, kLargestSliceImageSide);
    const auto pageText = line.takeValue(QStringLiteral("--page"));
    const auto marginsText = line.takeValue(QStringLiteral("--margins"));
    const bool info = line.takeFlag(QStringLiteral("--info"));
    const auto palette = takePalette(line);
    const auto output = line.takeValue(QStringLiteral("--output"));
    std::optional<QSize> page;
    if (pageText) {
        CommandLine pageLine({QStringLiteral("--page"), *pageText});
        page = pageLine.takeSize(QStringLiteral("--page"), QSize(), kLargestPageSide);
    }
    const auto margins = marginsText ? parseMargins(*marginsText) : std::optional<PrintMargins>(PrintMargins{});
    const QString file = line.takeFile();
    const bool pdf = output && output->endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive);
    const bool png = output && output->endsWith(QLatin1String(".png"), Qt::CaseInsensitive);
    if (line.failed() || !size || (pageText && !page) || !margins || !palette || !(pdf || png)) {
        reportFailure(QStringLiteral("usage: velmora-cli print FILE [view options] [--size WxH] [--page WxH] "
                                     "[--margins L,R,T,B (1..10 each)] [--info] [--palette NAME] "
                                     "--output OUT.png|OUT.pdf"));
        return 2;
    }

    auto volume = std::make_unique<ScanVolume>();
    if (!loadScan(file, *volume))
        return 1;
    renderSliceAt(*volume, view, *size);

    const QPageLayout pdfLayout = pdfPage(page);
    const QSize area = page && png ? *page : pdfLayout.paintRectPixels(kPdfResolution).size();
    const PageLayout layout = pageLayout(area.width(), area.height(), *margins, info);
    ComposedPage composed;
    try {
        composed = composePage(*volume, subjectOf(view, *volume, file, *palette), layout, info);
    } catch (const std::bad_alloc &) {
        reportFailure(QStringLiteral("the page of %1 x %2 pixels is too large for the memory available")
                          .arg(area.width())
                          .arg(area.height()));
        return 1;
    }
    const QString title = QStringLiteral("Velmora ( %1 )").arg(file);
    const WriteOutcome outcome =
        pdf ? savePdfPage(*output, {pdfLayout, kPdfResolution, title, kProgramTitle}, composed.page)
            : savePngFile(*output, composed.page);
    return fileWritten(*output, outcome) ? 0 : 1;
}
