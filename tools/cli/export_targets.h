#pragma once
// The formats of velmora-cli export and what one conversion writes: the
// scan file, the 24 layer files of SEG-2 or ASCII, or one file for other tools.

#include "export_format_table.h"

#include <QStringList>

#include <optional>

// The format named on the command line (vlm, seg2, seg2-standard, ascii, npy,
// nrrd, vti, csv); nullopt for any other name.
std::optional<ExportFormat> exportFormatNamed(const QString &name);
// The format that a name's extension asks for, as in "Save data": .vlm, .dat
// (seg2), .asc, .npy, .nrrd, .vti, .csv; nullopt for any other name.
std::optional<ExportFormat> exportFormatOfName(const QString &output);
// The names, for the usage line: "vlm|seg2|…".
QString exportFormatNames();

// Every file that an export under the name chosen writes.
QStringList exportOutputs(const ExportFormat &format, const QString &chosen);

// Writes the volume under the name chosen; each failure is reported. True
// when every file was written.
bool writeExport(ScanVolume &volume, const ExportFormat &format, const QString &chosen, const VolumeSource &source);
