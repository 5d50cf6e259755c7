#pragma once
// A contact sheet: thumbnails in rows, each with its file's name below it;
// a file without a thumbnail gets an empty framed tile that says why.

#include "scan_thumbnail.h"

#include <QImage>
#include <QList>

struct ContactTile {
    QString name;
    ScanThumbnail thumbnail;
};

// The picture shown in place of a thumbnail that could not be made: an
// empty frame that says why.
QImage problemPicture(QSize size, const QString &problem);

// The width and height in pixels of the sheet of tileCount tiles, counted
// wide enough for any number of tiles.
struct ContactSheetSize {
    qint64 width = 0;
    qint64 height = 0;
    qint64 pixels() const { return width * height; }
};
ContactSheetSize contactSheetSize(qsizetype tileCount, int columns, QSize thumbnailSize);

// White sheet of the tiles, columns to a row; every tile has room for a
// thumbnail of thumbnailSize and two lines of text.
QImage composeContactSheet(const QList<ContactTile> &tiles, int columns, QSize thumbnailSize);
