#pragma once
// The picture of a scan in the desktop's file manager: the scan browser's
// thumbnail, drawn at the size the file manager asks for.

#include <QSize>
#include <QString>

#include <optional>

// The thumbnail's size for a file manager that asks for at most longest
// pixels on the longer side: the browser's proportions.
QSize desktopThumbnailSize(int longest);

// Writes the thumbnail of scan to output as a PNG file; the reason when the
// scan cannot be shown or the file not written, and then nothing is written.
std::optional<QString> writeDesktopThumbnail(const QString &scan, const QString &output, int longest);
