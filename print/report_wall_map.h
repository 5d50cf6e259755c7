#pragma once
// The thickness map page of the inspection report: how the back-wall echo
// was read, the map's figures and the map with its legend.

#include "scan_volume.h"
#include "wall_thickness.h"

#include <QImage>
#include <QRectF>
#include <QStringList>

class QPainter;

// The thickness map the report gives, as the window shows it.
struct ReportThickness {
    ThicknessSearch search;
    std::optional<double> nominalMm;
};

struct ReportWallMap {
    QStringList lines;  // the search, then the figures
    QImage picture;
};

ReportWallMap reportWallMapOf(const ScanVolume &volume, const ReportThickness &thickness);

// Paints the page's content into area.
void paintWallMapPage(QPainter &painter, const QRectF &area, const ReportWallMap &wallMap);
