#pragma once
// The formats the volume is written in, a row each: the name velmora-cli
// gives it, the file type "Save data" offers it as, the extension of its
// files and the writer that makes them. The save dialog's filter and file
// types and the command line's format names are all made from these rows.

#include "export_writers.h"

#include <QLatin1String>
#include <QString>

#include <span>

// The writer of a format's files: the scan file, a set of 24 layer files put
// in place all together or not at all, or one file for other tools.
struct ExportFormat {
    enum class Kind { ScanFile, Layers, Volume };
    Kind kind = Kind::ScanFile;
    LayerFormat layers = LayerFormat::Seg2;
    VolumeFormat volume = VolumeFormat::Npy;
};

struct ExportFormatRow {
    QLatin1String name;      // on the command line: "seg2"
    QLatin1String fileType;  // in the save dialog: "SEG2 files"; empty for a format it does not offer
    QString extension;       // of the files written, or of the name the layer files are made from: ".dat"
    ExportFormat format;
};

// The extension of a format's files, or of the name its layer files are made from.
QString exportExtension(const ExportFormat &format);

// Every format, in the order the command line names them; the ones the save
// dialog offers stand in the order of its file types.
std::span<const ExportFormatRow> exportFormatRows();
