#include "slice_palette_choice.h"

#include "bitmap_view.h"
#include "main_window.h"
#include "settings_store.h"

#include <QAction>
#include <QPainter>

#include <algorithm>

namespace {

constexpr int kStripWidth = 12;
constexpr int kStripMargin = 2;
constexpr int kLabelWidth = 30;

const char *const kPaletteItems[] = {"palette-grey", "palette-amplitude", "palette-hot"};

// The least sample value the brightness draws at grey level 0, the strongest colour.
int strongestValue(int brightness)
{
    int value = 0;
    while (value < 255 && greyLevel(value, brightness) > 0)
        ++value;
    return value;
}

}  // namespace

SlicePaletteChoice::SlicePaletteChoice(TForm1 &window) : QObject(&window), window_(window)
{
    const SettingsStore settings;
    const QString stored = settings.readString(SettingNames::Palette).value_or(QString());
    palette_ = paletteNamed(stored).value_or(SlicePalette::Grey);
    showChoice();
    window_.Image3->addOverlay([this](QPainter &painter) { drawLegend(painter); });
}

void SlicePaletteChoice::choose(SlicePalette palette)
{
    palette_ = palette;
    showChoice();
    SettingsStore settings;
    settings.writeString(SettingNames::Palette, paletteName(palette));
    settings.close();
    window_.Image1Click();
}

void SlicePaletteChoice::showChoice()
{
    for (std::size_t i = 0; i < std::size(kPaletteItems); ++i) {
        if (auto *item = window_.findChild<QAction *>(QString::fromLatin1(kPaletteItems[i])))
            item->setChecked(static_cast<int>(palette_) == static_cast<int>(i));
    }
}

// Beside the cells where the image has room, else over its right edge: the
// strongest colour at the top, no echo at the bottom.
void SlicePaletteChoice::drawLegend(QPainter &painter) const
{
    if (palette_ == SlicePalette::Grey)
        return;
    const QWidget &image = *window_.Image3;
    const int cellsRight = window_.geometry.grid_pixel_width;
    const int left = std::min(cellsRight + kStripMargin, image.width() - kStripWidth - kStripMargin);
    const int height = std::clamp(window_.geometry.grid_pixel_height, 0, image.height()) - 2 * kStripMargin;
    if (height <= 0)
        return;
    const QRect strip(left, kStripMargin, kStripWidth, height);
    const std::array<QRgb, 256> &colours = paletteColours(palette_);
    for (int y = 0; y < strip.height(); ++y) {
        const int grey = y * 255 / std::max(strip.height() - 1, 1);
        painter.setPen(QColor::fromRgb(colours[static_cast<std::size_t>(grey)]));
        painter.drawLine(strip.left(), strip.top() + y, strip.right(), strip.top() + y);
    }
    painter.setPen(Qt::black);
    painter.drawRect(strip.adjusted(0, 0, -1, -1));
    const QFontMetrics metrics = painter.fontMetrics();
    const QString top = QString::number(strongestValue(window_.viewState().brightness));
    const QRect topLabel(strip.left() - kLabelWidth - 2, strip.top(), kLabelWidth, metrics.height());
    const QRect bottomLabel(strip.left() - kLabelWidth - 2, strip.bottom() - metrics.height(), kLabelWidth,
                            metrics.height());
    for (const auto &[area, text] : {std::pair{topLabel, top}, std::pair{bottomLabel, QStringLiteral("0")}}) {
        painter.fillRect(area, QColor(255, 255, 255, 200));
        painter.drawText(area, Qt::AlignRight | Qt::AlignVCenter, text);
    }
}
