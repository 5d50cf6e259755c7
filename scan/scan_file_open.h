#pragma once
// Opening a scan file for reading. Only a regular file is taken: a FIFO, a
// device or a socket would hold the reader for ever, so the file is opened
// without waiting and refused when it turns out to be anything else.

#include <QFile>

#include <optional>

#include <sys/types.h>

// Opens the file named by file.fileName() for reading; the reason it could not
// be opened, in the system's words, otherwise.
std::optional<QString> openScanFile(QFile &file);

// What a path that is not a regular file holds instead, for a message:
// "Not a regular file (a FIFO)".
QString notRegularFileReason(mode_t mode);
