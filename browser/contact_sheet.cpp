#include "contact_sheet.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace {

constexpr int kGap = 8;
constexpr int kTextPixels = 12;
constexpr int kLineHeight = kTextPixels + 4;
const QColor kFrame(160, 160, 160);
const QColor kProblemText(160, 0, 0);

void drawText(QPainter &painter, QRect line, const QString &text)
{
    painter.drawText(line, Qt::AlignLeft | Qt::AlignVCenter,
                     painter.fontMetrics().elidedText(text, Qt::ElideMiddle, line.width()));
}

void drawTile(QPainter &painter, QPoint at, QSize thumbnailSize, const ContactTile &tile)
{
    const QRect picture(at, thumbnailSize);
    const QRect nameLine(at.x(), picture.bottom() + 3, thumbnailSize.width(), kLineHeight);
    painter.drawImage(picture.topLeft(), tile.thumbnail.picture.isNull()
                                             ? problemPicture(thumbnailSize, tile.thumbnail.problem)
                                             : tile.thumbnail.picture);
    painter.setPen(Qt::black);
    drawText(painter, nameLine, tile.name);
}

}  // namespace

QImage problemPicture(QSize size, const QString &problem)
{
    QImage picture(size, QImage::Format_RGB888);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    QFont font = painter.font();
    font.setPixelSize(kTextPixels);
    painter.setFont(font);
    painter.setPen(kFrame);
    painter.drawRect(picture.rect().adjusted(0, 0, -1, -1));
    painter.setPen(kProblemText);
    painter.drawText(picture.rect().adjusted(6, 6, -6, -6), Qt::AlignCenter | Qt::TextWordWrap,
                     QStringLiteral("unreadable: %1").arg(problem));
    return picture;
}

namespace {

// A row holds columns tiles, or all of them when there are fewer.
int shownColumnsOf(qsizetype tileCount, int columns)
{
    return static_cast<int>(std::clamp<qsizetype>(columns, 1, std::max<qsizetype>(1, tileCount)));
}

// Room for the thumbnail and its name line below it.
QSize tileSizeOf(QSize thumbnailSize)
{
    return {thumbnailSize.width(), thumbnailSize.height() + 3 + kLineHeight};
}

}  // namespace

ContactSheetSize contactSheetSize(qsizetype tileCount, int columns, QSize thumbnailSize)
{
    const qint64 shownColumns = shownColumnsOf(tileCount, columns);
    const qint64 rows = std::max<qint64>(1, (tileCount + shownColumns - 1) / shownColumns);
    const QSize tile = tileSizeOf(thumbnailSize);
    return {kGap + shownColumns * (tile.width() + kGap), kGap + rows * (tile.height() + kGap)};
}

QImage composeContactSheet(const QList<ContactTile> &tiles, int columns, QSize thumbnailSize)
{
    const int shownColumns = shownColumnsOf(tiles.size(), columns);
    const QSize tile = tileSizeOf(thumbnailSize);
    const ContactSheetSize size = contactSheetSize(tiles.size(), columns, thumbnailSize);
    QImage sheet(static_cast<int>(size.width), static_cast<int>(size.height), QImage::Format_RGB888);
    sheet.fill(Qt::white);
    QPainter painter(&sheet);
    QFont font = painter.font();
    font.setPixelSize(kTextPixels);
    painter.setFont(font);
    for (int i = 0; i < tiles.size(); ++i) {
        const QPoint at(kGap + (i % shownColumns) * (tile.width() + kGap), kGap + (i / shownColumns) * (tile.height() + kGap));
        drawTile(painter, at, thumbnailSize, tiles[i]);
    }
    return sheet;
}
