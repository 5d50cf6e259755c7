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

QImage composeContactSheet(const QList<ContactTile> &tiles, int columns, QSize thumbnailSize)
{
    const int shownColumns = std::clamp(columns, 1, std::max<int>(1, static_cast<int>(tiles.size())));
    const int rows = static_cast<int>((tiles.size() + shownColumns - 1) / shownColumns);
    const QSize tile(thumbnailSize.width(), thumbnailSize.height() + 3 + kLineHeight);
    QImage sheet(kGap + shownColumns * (tile.width() + kGap), kGap + std::max(rows, 1) * (tile.height() + kGap),
                 QImage::Format_RGB888);
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
