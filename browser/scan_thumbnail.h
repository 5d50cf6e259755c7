#pragma once
// A scan at a glance: the gated C-scan below the surface echo, drawn by the
// slice renderer in view Z without a cursor, the largest value black.

#include "scan_volume.h"

#include <QImage>
#include <QSize>
#include <QString>

#include <memory>

constexpr QSize kThumbnailSize{200, 120};

struct ScanThumbnail {
    QImage picture;   // empty when the file could not be read
    QString problem;  // why not
};

// Keeps one work volume from one thumbnail to the next; one maker a thread.
class ThumbnailMaker {
public:
    ThumbnailMaker();
    ~ThumbnailMaker();

    // Loads the file as the program loads it (read, smooth) and draws it.
    ScanThumbnail make(const QString &path, QSize size = kThumbnailSize);

private:
    std::unique_ptr<ScanVolume> volume_;
};
