#include "pdf_page.h"

#include "pdf_image_file.h"

#include <QBuffer>
#include <QPdfWriter>

WriteOutcome savePdf(const QString &path, const PdfDocument &document,
                     const std::function<bool(QPagedPaintDevice &)> &paint)
{
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&pdf);
        writer.setResolution(document.resolution);
        writer.setPageLayout(document.layout);
        writer.setTitle(document.title);
        writer.setCreator(document.creator);
        if (!paint(writer))
            return {false, QStringLiteral("the page could not be drawn into the PDF document")};
    }
    return writeFileWhole(path, [&](QFileDevice &file) { return file.write(pdf.data()) == pdf.size(); });
}

WriteOutcome savePdfPage(const QString &path, const PdfDocument &document, const QImage &page)
{
    return writeFileWhole(path, [&](QFileDevice &file) { return writePdfImagePage(file, document, page); });
}
