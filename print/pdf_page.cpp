#include "pdf_page.h"

#include "page_output.h"

#include <QBuffer>
#include <QPdfWriter>

WriteOutcome savePdfPage(const QString &path, const PdfDocument &document, const QImage &page)
{
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&pdf);
        writer.setResolution(document.resolution);
        writer.setPageLayout(document.layout);
        writer.setTitle(document.title);
        writer.setCreator(document.creator);
        if (!printPage(writer, page))
            return {false, QStringLiteral("the page could not be drawn into the PDF document")};
    }
    return writeFileWhole(path, [&](QFileDevice &file) { return file.write(pdf.data()) == pdf.size(); });
}
