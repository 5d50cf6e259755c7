#include "report_wall_map.h"

#include "report_drawing.h"
#include "wall_map_picture.h"
#include "wall_map_tables.h"

#include <QPainter>

using namespace ReportPage;

namespace {

constexpr qreal kHeadingMm = 7;

QString searchLine(const ThicknessSearch &search, int depthScale)
{
    const QString mode = search.mode == EchoMode::Flank ? QStringLiteral("first sample") : QStringLiteral("gate peak");
    return QStringLiteral("Back-wall echo: the %1 of %2 or more, gate %3 to %4, layers %5 to %6")
        .arg(mode)
        .arg(search.level)
        .arg(depthReadout(search.gate.topBorder, depthScale), depthReadout(search.gate.bottomBorder, depthScale))
        .arg(search.gate.firstLayer)
        .arg(search.gate.lastLayer);
}

}  // namespace

ReportWallMap reportWallMapOf(const ScanVolume &volume, const ReportThickness &thickness)
{
    const ThicknessMap map = thicknessMap(volume, thickness.search);
    return {QStringList{searchLine(thickness.search, map.depthScale)} +
                thicknessFigureLines(thicknessFigures(map, thickness.nominalMm)),
            thicknessMapPicture(map, kMapPictureSize)};
}

void paintWallMapPage(QPainter &painter, const QRectF &area, const ReportWallMap &wallMap)
{
    painter.setPen(Qt::black);
    painter.setFont(reportFont(13, true));
    qreal top = area.top();
    painter.drawText(QRectF(area.left(), top, area.width(), mm(kHeadingMm)), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Wall thickness"));
    top += mm(kHeadingMm + kGapMm);
    painter.setFont(reportFont(8));
    for (const QString &line : wallMap.lines) {
        painter.drawText(QRectF(area.left(), top, area.width(), mm(kLineMm)), Qt::AlignLeft | Qt::AlignVCenter, line);
        top += mm(kLineMm);
    }
    top += mm(kGapMm);
    const QRectF room(area.left(), top, area.width(), area.bottom() - mm(kFooterMm) - top);
    const QSizeF size = QSizeF(wallMap.picture.size()).scaled(room.size(), Qt::KeepAspectRatio);
    painter.drawImage(QRectF(room.topLeft(), size), wallMap.picture);
}
