#include "wall_map_options.h"

#include "cli_commands.h"
#include "picture_limits.h"
#include "png_file.h"
#include "wall_map_picture.h"

std::optional<ThicknessSearch> takeThicknessSearch(CommandLine &line, const ViewState &view)
{
    ThicknessSearch search;
    search.gate = mapGateOfView(view);
    const auto level = line.takeInteger(QStringLiteral("--level"), search.level, 1, 255);
    const auto mode = line.takeValue(QStringLiteral("--mode"));
    if (!level)
        return std::nullopt;
    search.level = *level;
    if (mode) {
        const auto named = echoModeNamed(*mode);
        if (!named) {
            reportFailure(QStringLiteral("--mode takes peak or flank, not \"%1\"").arg(*mode));
            return std::nullopt;
        }
        search.mode = *named;
    }
    return search;
}

std::optional<MapPictureRequest> takeMapPicture(CommandLine &line)
{
    const auto size = line.takeSize(QStringLiteral("--size"), kMapPictureSize, kLargestSliceImageSide);
    const auto path = line.takeValue(QStringLiteral("--image"));
    if (!size)
        return std::nullopt;
    if (size->width() < kSmallestMapPicture.width() || size->height() < kSmallestMapPicture.height()) {
        reportFailure(QStringLiteral("--size of a map picture is at least %1x%2, not %3x%4")
                          .arg(kSmallestMapPicture.width())
                          .arg(kSmallestMapPicture.height())
                          .arg(size->width())
                          .arg(size->height()));
        return std::nullopt;
    }
    return MapPictureRequest{*size, path};
}

bool writeMapPicture(const MapPictureRequest &request, const std::function<QImage(QSize)> &draw)
{
    if (!request.path)
        return true;
    const QImage picture = draw(request.size).convertToFormat(QImage::Format_RGB888);
    return fileWritten(*request.path, savePngFile(*request.path, picture));
}
