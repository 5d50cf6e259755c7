#pragma once
// A received scan becomes a scan file and the volume's image. A scan that
// cannot be saved where the user asked is kept in a recovery file, so that
// minutes of transfer are never lost.

#include "export_writers.h"

#include <QDateTime>

#include <vector>

struct ReceivedScanSave {
    WriteOutcome outcome;       // the file the user asked for
    QString recoveryPath;       // where the scan was kept when that failed
    WriteOutcome recovery;      // how keeping it went
    bool onlyZeros = false;     // refused: nothing but zeros in the layers
};

// The folder of recovery files: qrn/Velmora/recovered in the user's data
// folder ($XDG_DATA_HOME, ~/.local/share by default).
QString recoveryFolder();

// Writes the received image (131,073 entries), clamped from layer_stride to
// 131,072 as every saved image is clamped, to path. Only when it was written
// does scan_image take it; otherwise the volume stays as it was and the scan
// goes to a recovery file named after path and the time now. With
// ExistingFile::Keep a file that appeared at path during the receive stays,
// and the scan goes to the recovery file. An image whose layers hold only
// zeros (a dead or stuck line) is refused and written nowhere.
ReceivedScanSave saveReceivedScan(ScanVolume &volume, const std::vector<uint8_t> &received, const QString &path,
                                  ExistingFile existing, const QDateTime &now = QDateTime::currentDateTime());

// The report of a failed save: the file, the reason and where the scan is.
QString receivedScanFailureText(const QString &path, const ReceivedScanSave &save);
