#include "png_file.h"

#include <QImageWriter>

namespace {

// Qt's PNG writer turns a quality q into zlib level (100 - q) * 9 / 91.
constexpr int kFastestLevelQuality = 80;

}  // namespace

WriteOutcome savePngFile(const QString &path, const QImage &image)
{
    return writeFileWhole(path, [&](QFileDevice &file) {
        QImageWriter writer(&file, "png");
        writer.setQuality(kFastestLevelQuality);
        return writer.write(image);
    });
}
