#pragma once
// The composed page saved as a one-page PDF file, whole or not at all.

#include "export_writers.h"

#include <QImage>
#include <QPageLayout>
#include <QPagedPaintDevice>

#include <functional>

struct PdfDocument {
    QPageLayout layout;
    int resolution = 600;  // dots per inch of the page's pixels
    QString title;
    QString creator;
};

// Draws the document's page through paint, which returns false when it could
// not; the file is put in place only when all of it was written.
WriteOutcome savePdf(const QString &path, const PdfDocument &document,
                     const std::function<bool(QPagedPaintDevice &)> &paint);

// The page is drawn at its own size in the document's pixels and stored
// losslessly; the file is put in place only when all of it was written.
WriteOutcome savePdfPage(const QString &path, const PdfDocument &document, const QImage &page);
