#pragma once
// The page bitmap as the one image of a one-page PDF, stored losslessly
// (Flate) and drawn 1:1 at the document's resolution from the top left of
// the printable area of its page layout.

#include "pdf_page.h"

class QFileDevice;

// False when the file could not be written.
bool writePdfImagePage(QFileDevice &file, const PdfDocument &page, const QImage &bitmap);
