#pragma once
// File names as the system holds them: bytes, UTF-8 for the most part. Qt
// turns each byte of a name that is not valid UTF-8 into U+FFFD, so that the
// name no longer reaches its file. Here such a byte is kept as the lone
// surrogate U+DC80 + byte (as Python's "surrogateescape" does): the name
// shows, and goes back to the file system byte for byte.

#include <QByteArray>
#include <QString>

// The name of bytes, its stray bytes kept as lone surrogates.
QString pathFromNative(QByteArrayView bytes);
// The bytes of a name: UTF-8, with each kept byte given back.
QByteArray nativePath(QStringView path);

// True when a file, folder or link of that name is there (a dangling link
// included: a name taken is not free to write).
bool pathTaken(QStringView path);

// True when Qt's own file classes reach the file of that name: the name
// holds no kept bytes.
bool reachableByQt(QStringView path);
