// velmora-cli contact-sheet FILE... [--columns N] [--size WxH] --output SHEET.png:
// the scan browser's thumbnails of the files, with their names, in one picture.

#include "cli_commands.h"

#include "command_line.h"
#include "contact_sheet.h"
#include "export_writers.h"

#include <QBuffer>
#include <QFileInfo>

namespace {

constexpr int kDefaultColumns = 4;
constexpr int kMostColumns = 100;
constexpr int kLargestThumbnailSide = 2000;

QByteArray pngBytes(const QImage &picture)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "PNG");
    return bytes;
}

}  // namespace

int runContactSheet(const QStringList &arguments)
{
    CommandLine line(arguments);
    const auto columnsText = line.takeValue(QStringLiteral("--columns"));
    const auto size = line.takeSize(QStringLiteral("--size"), kThumbnailSize);
    const auto output = line.takeValue(QStringLiteral("--output"));
    const QStringList files = line.takeFiles();
    if (line.failed())
        return 2;
    bool columnsOk = true;
    const int columns = columnsText ? columnsText->toInt(&columnsOk) : kDefaultColumns;
    if (!columnsOk || columns < 1 || columns > kMostColumns) {
        reportFailure(QStringLiteral("--columns takes a whole number from 1 to %1").arg(kMostColumns));
        return 2;
    }
    if (size->width() > kLargestThumbnailSide || size->height() > kLargestThumbnailSide) {
        reportFailure(QStringLiteral("--size takes at most %1 pixels a side").arg(kLargestThumbnailSide));
        return 2;
    }
    if (!output) {
        reportFailure(QStringLiteral("no --output named"));
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
    const QByteArray png = pngBytes(composeContactSheet(tiles, columns, *size));
    const WriteOutcome written =
        writeFileWhole(*output, [&](QFileDevice &out) { return out.write(png) == png.size(); });
    if (!written.ok) {
        reportFailure(QStringLiteral("cannot write %1: %2").arg(*output, written.error));
        return 1;
    }
    return allRead ? 0 : 1;
}
