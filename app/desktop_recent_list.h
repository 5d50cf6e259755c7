#pragma once
// The desktop's shared list of recently used files,
// $XDG_DATA_HOME/recently-used.xbel (~/.local/share when unset), that file
// managers and file dialogs offer. Read and written by GLib's bookmark file,
// the code the desktop's own programs use for it.

#include <QString>

#include <optional>

QString desktopRecentListPath();

// Adds the scan at path to the list as a scan file used by Velmora now; the
// reason when it was not added. A list that cannot be read is left as it is.
std::optional<QString> addToDesktopRecentList(const QString &path);
