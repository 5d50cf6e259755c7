#pragma once
// The subcommands of velmora-cli. Each takes its own arguments (after the
// subcommand's name) and returns the exit status.

#include "program_version.h"

#include <QStringList>

// The program's name and version, as documents the tool writes name their maker.
inline const QString kProgramTitle = QStringLiteral("Velmora v") + QLatin1String(kProgramVersion);

int runInfo(const QStringList &arguments);
int runDump(const QStringList &arguments);
int runRender(const QStringList &arguments);
int runVoxels(const QStringList &arguments);
int runView3d(const QStringList &arguments);
int runExport(const QStringList &arguments);
int runReceive(const QStringList &arguments);
int runPrint(const QStringList &arguments);
int runProbe(const QStringList &arguments);
int runReport(const QStringList &arguments);
int runContactSheet(const QStringList &arguments);
int runIndications(const QStringList &arguments);
int runThickness(const QStringList &arguments);
int runCompare(const QStringList &arguments);

class QFile;
struct WriteOutcome;

// Opens a scan file for reading; reports why not (missing, a folder, a FIFO, no rights).
bool openForReading(QFile &file);
void reportCannotOpen(const QString &path, const QString &reason);
// Reports that a file does not begin with the scan file magic.
void reportNotAScanFile(const QString &path);

// Writes a line to standard error, prefixed with the tool's name.
void reportFailure(const QString &message);
// Writes a line to standard output.
void printLine(const QString &line);
// Writes bytes to standard output as they are.
void printOutput(const QByteArray &bytes);
// True when a file was written; reports the file and the reason when not.
bool fileWritten(const QString &path, const WriteOutcome &outcome);
