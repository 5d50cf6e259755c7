#pragma once
// Writing the volume's files. Every file is written whole into a temporary
// file beside it and put in place only when all of it was written, so a
// failed write never leaves a truncated file or harms the one that was there.

#include "export_formats.h"
#include "volume_formats.h"

#include <QFileDevice>
#include <QStringList>

#include <functional>
#include <span>

struct WriteOutcome {
    bool ok = true;
    QString error;  // why the file could not be written
    bool fileAppeared = false;  // kept: a file was at the path when the new one was to be put in place
};

// The reason given when the memory runs out while a file is made.
inline const QString kOutOfMemoryReason = QStringLiteral("Not enough memory");

// What becomes of a file found at the path when the new one is put in place.
enum class ExistingFile { Replace, Keep };

// Writes path through write, which returns false when a write fails. With
// ExistingFile::Keep the new file is put in place only where no file is at
// that moment, so a file made meanwhile is never replaced.
WriteOutcome writeFileWhole(const QString &path, const std::function<bool(QFileDevice &)> &write,
                            ExistingFile existing = ExistingFile::Replace);

// Renames from to to in one step, only where no file is at to: a file there
// stays (fileAppeared).
WriteOutcome moveWithoutReplacing(const QString &from, const QString &to);

// The scan file: the 16-byte header, then bytes 0..131,071 of image.
WriteOutcome saveScanImage(const QString &path, std::span<const uint8_t> image,
                           ExistingFile existing = ExistingFile::Replace);

// Saves scan_image prepared for the file from first to last; only once the
// file is written does scan_image take the prepared values, so a failed save
// leaves the image in memory as it was.
WriteOutcome saveScanImagePrepared(const QString &path, ScanVolume &volume, int first, int last);

// Whether a file can be created beside path: the reason when not.
WriteOutcome probeWritableFolder(const QString &path);

enum class LayerFormat { Seg2, Seg2Standard, Ascii };

using Clock = std::function<QDateTime()>;

// The outcome of writing several files: on failure, the file that failed and why.
struct FileSetOutcome {
    bool ok = true;
    QString path;
    QString error;
};

// Writes every file of paths through write (given the file's index) into a
// temporary file beside it, and puts them in place only once all of them are
// written: a failure leaves every file that was there as it was.
FileSetOutcome writeFileSetWhole(const QStringList &paths, const std::function<bool(int, QFileDevice &)> &write);

// Writes the 24 layer files of a format under names made from chosen: SEG-2
// files numbered 1 to 24, ASCII files 0 to 23, all of them or none. The
// clock is read once per SEG-2 file.
FileSetOutcome exportLayers(const ScanVolume &volume, const QString &chosen, LayerFormat format, const Clock &clock);

// Writes the volume in a format for other tools to path.
WriteOutcome exportVolume(const QString &path, VolumeFormat format, const ScanVolume &volume,
                          const VolumeSource &source);

// The extension of a format's layer files.
QString layerExtension(LayerFormat format);

// The 24 layer file names made from chosen, in the order they are written.
QStringList layerFileNames(const QString &chosen, LayerFormat format);

// The layer files of an export that exist already.
QStringList existingLayerFiles(const QString &chosen, LayerFormat format);

// Names the existing layer files by their count and the first of them:
// "3 of the 24 layer files exist, scan1.dat …".
QString existingLayerFilesText(const QStringList &existing);
