// velmora-cli render FILE [view options] [--size WxH] [--image OUT.png]
// [--overview OUT.png] [--ascan OUT.png] [--grid OUT.txt] [--dac D:V,... --tcg]
// [--palette grey|amplitude|hot]: one render of the slice pictures with the
// program's renderer, the slices through the DAC's gain with --tcg and in
// the palette's colours.

#include "cli_commands.h"

#include "command_line.h"
#include "picture_limits.h"
#include "probe_options.h"
#include "png_file.h"
#include "scan_loading.h"
#include "shown_slice.h"
#include "slice_grid_text.h"

#include <QImage>

#include <memory>

namespace {

constexpr QSize kDesignSliceImage{557, 500};

bool writePicture(const std::optional<QString> &path, const QImage &picture)
{
    return !path || fileWritten(*path, savePngFile(*path, picture.convertToFormat(QImage::Format_RGB888)));
}

bool writeText(const std::optional<QString> &path, const QByteArray &text)
{
    return !path || fileWritten(*path, writeFileWhole(*path, [&](QFileDevice &file) {
               return file.write(text) == text.size();
           }));
}

}  // namespace

int runRender(const QStringList &arguments)
{
    CommandLine line(arguments);
    ViewState view;
    line.takeViewOptions(view);
    const auto size = line.takeSize(QStringLiteral("--size"), kDesignSliceImage, kLargestSliceImageSide);
    const auto imagePath = line.takeValue(QStringLiteral("--image"));
    const auto overviewPath = line.takeValue(QStringLiteral("--overview"));
    const auto aScanPath = line.takeValue(QStringLiteral("--ascan"));
    const auto gridPath = line.takeValue(QStringLiteral("--grid"));
    std::optional<DacCurve> dac;
    bool timeCorrectedGain = false;
    const bool gainRead = takeDacCurve(line, dac) && takeTimeCorrectedGain(line, dac, timeCorrectedGain);
    const auto palette = takePalette(line);
    const QString file = line.takeFile();
    if (line.failed() || !gainRead || !palette)
        return 2;

    auto volume = std::make_unique<ScanVolume>();
    if (!loadScan(file, *volume))
        return 1;
    const RenderedSlice rendered =
        renderShownSliceAt(*volume, view, *size, SliceLook{timeCorrectedGain ? dac : std::nullopt, *palette});

    const bool written = writePicture(imagePath, rendered.mainImage) && writePicture(overviewPath, rendered.overview)
                         && writePicture(aScanPath, rendered.aScan) && writeText(gridPath, sliceGridText(*volume));
    return written ? 0 : 1;
}
