#pragma once
// The subcommands of velmora-cli. Each takes its own arguments (after the
// subcommand's name) and returns the exit status.

#include <QStringList>

int runInfo(const QStringList &arguments);

// Writes a line to standard error, prefixed with the tool's name.
void reportFailure(const QString &message);
// Writes a line to standard output.
void printLine(const QString &line);
