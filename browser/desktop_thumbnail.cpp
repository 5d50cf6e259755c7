#include "desktop_thumbnail.h"

#include "png_file.h"
#include "scan_thumbnail.h"

QSize desktopThumbnailSize(int longest)
{
    return kThumbnailSize.scaled(longest, longest, Qt::KeepAspectRatio);
}

std::optional<QString> writeDesktopThumbnail(const QString &scan, const QString &output, int longest)
{
    const ScanThumbnail thumbnail = ThumbnailMaker().make(scan, desktopThumbnailSize(longest));
    if (!thumbnail.problem.isEmpty())
        return thumbnail.problem;
    if (const WriteOutcome written = savePngFile(output, thumbnail.picture); !written.ok)
        return written.error;
    return std::nullopt;
}
