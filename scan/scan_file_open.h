#pragma once
// Opening a scan file for reading. Only a regular file is taken: a FIFO, a
// device or a socket would hold the reader for ever, so the file is opened
// without waiting and refused when it turns out to be anything else.

#include <QFile>

#include <optional>

// Opens the file named by file.fileName() for reading; the reason it could not
// be opened, in the system's words, otherwise.
std::optional<QString> openScanFile(QFile &file);
