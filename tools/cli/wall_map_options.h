#pragma once
// The options of the map commands (thickness, compare, report): the search
// of the back-wall echo, --size WxH of the picture and --image OUT.png, where
// it is written.

#include "command_line.h"
#include "wall_thickness.h"

#include <QImage>

#include <functional>

// Takes --level V and --mode peak|flank over the gate and the shown layers of
// the view; nullopt, with the reason reported, for one out of range.
std::optional<ThicknessSearch> takeThicknessSearch(CommandLine &line, const ViewState &view);

struct MapPictureRequest {
    QSize size;
    std::optional<QString> path;  // none: no picture
};

// Takes --size (at least kSmallestMapPicture) and --image; nullopt, with the
// reason reported, for a size out of range.
std::optional<MapPictureRequest> takeMapPicture(CommandLine &line);

// Draws the picture at the size asked for and writes it, when one is asked
// for; false, with the reason reported, when it cannot be written.
bool writeMapPicture(const MapPictureRequest &request, const std::function<QImage(QSize)> &draw);
