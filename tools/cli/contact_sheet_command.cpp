// velmora-cli contact-sheet FILE... [--columns N] [--size WxH] --output SHEET.png:
// the scan browser's thumbnails of the files, with their names, in one picture.

#include "cli_commands.h"

#include "command_line.h"
#include "contact_sheet.h"
#include "picture_limits.h"
#include "png_file.h"

#include <QFileInfo>

namespace {

constexpr int kDefaultColumns = 4;
constexpr int kMostColumns = 100;
constexpr int kLargestThumbnailSide = 2000;

}  // namespace

int runContactSheet(const QStringList &arguments)
{
    CommandLine line(arguments);
    const auto columns = line.takeInteger(QStringLiteral("--columns"), kDefaultColumns, 1, kMostColumns);
    const auto size = line.takeSize(QStringLiteral("--size"), kThumbnailSize, kLargestThumbnailSide);
    const auto output = line.takeValue(QStringLiteral("--output"));
    const QStringList files = line.takeFiles();
    if (line.failed() || !columns || !size)
        return 2;
    if (!output) {
        reportFailure(QStringLiteral("no --output named"));
        return 2;
    }
    if (const ContactSheetSize sheet = contactSheetSize(files.size(), *columns, *size);
        sheet.pixels() > kLargestContactSheetPixels) {
        reportFailure(QStringLiteral("the sheet would be %1 x %2 pixels (%3 million), more than the %4 million "
                                     "a sheet may have: use fewer files, fewer --columns or a smaller --size")
                          .arg(sheet.width)
                          .arg(sheet.height)
                          .arg(sheet.pixels() / 1'000'000)
                          .arg(kLargestContactSheetPixels / 1'000'000));
        return 2;
    }

    ThumbnailMaker maker;
    QList<ContactTile> tiles;
    bool allRead = true;
    for (const QString &file : files) {
        ContactTile tile{QFileInfo(file).fileName(), maker.make(file, *size)};
        if (!tile.thumbnail.problem.isEmpty()) {
            reportFailure(QStringLiteral("%1: %2").arg(file, tile.thumbnail.problem));
            allRead = false;
        }
        tiles << tile;
    }
    if (!fileWritten(*output, savePngFile(*output, composeContactSheet(tiles, *columns, *size))))
        return 1;
    return allRead ? 0 : 1;
}
