#pragma once
// The printed page: the slice's grey levels enlarged to the printer's
// resolution, with a grid, a vertical scale on the left, a horizontal scale
// below and, on request, two caption lines, composed as one bitmap of the
// printable area.

#include "scan_volume.h"
#include "slice_palettes.h"
#include "view_state.h"

#include <QFont>
#include <QImage>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>

// Page margins in percent of the page, each 1..10.
struct PrintMargins {
    uint8_t left = 3;
    uint8_t right = 3;
    uint8_t top = 3;
    uint8_t bottom = 3;
};

// 100 / percent, rounded to the nearest integer with ties to even: 8 % gives 12.
int MarginDivisor(int percent);

// The sizes of the page's parts, in device pixels.
struct PageLayout {
    int pageWidth = 0;  // PW, PH: the printable area
    int pageHeight = 0;
    uint16_t marginLeft = 0;
    uint16_t marginRight = 0;
    uint16_t marginTop = 0;
    uint16_t marginBottom = 0;
    QSize bottomStrip;  // the horizontal scale and the caption
    QSize leftStrip;    // the vertical scale
    QSize image;        // the enlarged slice image
};

// Raises a range error when a margin does not fit 16 bits or a part would be empty.
PageLayout pageLayout(int pageWidth, int pageHeight, const PrintMargins &margins, bool addInfo);

// What the page shows of the main window's state.
struct PrintSubject {
    SliceAxis axis = SliceAxis::X;
    int slice = 0;  // the cursor's scroll bar positions
    int layer = 1;
    int depth = 1;
    bool smoothing = false;
    SlicePalette palette = SlicePalette::Grey;  // of the cells, as the window shows them
    int depthScaleFactor = 20;
    QString fileName;
    QFont font;  // the slice panel's font; its height is set per page
};

// Told after every 21st pixel row of the image with the progress position,
// and once with the maximum before the first row.
using PrintProgress = std::function<void(int position, int maximum)>;

struct ComposedPage {
    QImage page;  // 24-bit, PW x PH
    int print_cell_width = 0;
    int print_cell_height = 0;
    int fontHeight = 0;
};

// Composes the page from the slice grid left by the last render. A page too
// large for the memory at hand raises std::bad_alloc.
ComposedPage composePage(const ScanVolume &volume, const PrintSubject &subject, const PageLayout &layout, bool addInfo,
                         const PrintProgress &progress = {});

// The parts of a composition, for tests.
// Renders into a white image of the print image's size.
void RenderPrintImage(const ScanVolume &volume, QImage &image, bool smoothing, int &cellWidth, int &cellHeight,
                      const PrintProgress &progress = {});
int printFontHeight(const PageLayout &layout, bool addInfo);
QString captionViewText(const PrintSubject &subject);
QString captionFileText(const PrintSubject &subject);
// The labels of the vertical scale (four) and the horizontal scale (eight).
QStringList verticalScaleLabels(const PrintSubject &subject);
QStringList horizontalScaleLabels(const PrintSubject &subject);
