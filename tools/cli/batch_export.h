#pragma once
// velmora-cli export FILE... --output-dir DIR: many scans converted in one run.

#include "export_targets.h"

struct BatchExport {
    QStringList files;
    QString folder;
    ExportFormat format;
    ProbeGeometry probe;
    bool force = false;
};

// Checks the folder, the names and the files already there before anything
// is written, then converts file after file, going on past one that fails.
// Progress goes to standard error. Returns the exit status: 1 when anything
// was refused or any file failed, naming each.
int runBatchExport(const BatchExport &batch);
