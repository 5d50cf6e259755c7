#pragma once
// The palette of the window's slice pictures: View ▸ Palette, kept in the
// settings as Palette, and beside the cells of the slice image a legend
// strip of amplitude, drawn in the widget over the picture, never into it.

#include "slice_palettes.h"

#include <QObject>

class QPainter;
class TForm1;

class SlicePaletteChoice : public QObject {
    Q_OBJECT
public:
    explicit SlicePaletteChoice(TForm1 &window);

    SlicePalette palette() const { return palette_; }

    // Commands
    void chooseGrey() { choose(SlicePalette::Grey); }
    void chooseAmplitude() { choose(SlicePalette::Amplitude); }
    void chooseHot() { choose(SlicePalette::Hot); }

private:
    void choose(SlicePalette palette);
    void showChoice();
    void drawLegend(QPainter &painter) const;

    TForm1 &window_;
    SlicePalette palette_ = SlicePalette::Grey;
};
