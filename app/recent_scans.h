#pragma once
// The scans opened, saved or received lately, newest first, as File ▸ Open
// recent lists them. Kept in the settings as RecentScan1 … RecentScan10.

#include <QStringList>

class SettingsStore;

class RecentScans {
public:
    static constexpr int kMostScans = 10;

    void read(const SettingsStore &settings);
    // Every place is written, the empty ones as empty, so that a scan
    // cleared from the list does not come back.
    void write(SettingsStore &settings) const;

    // Puts path first, once; the oldest scan falls off past ten.
    void add(const QString &path);
    // Leaves out the scans no longer there.
    void removeMissing();

    const QStringList &paths() const { return paths_; }

private:
    QStringList paths_;
};

// Whether a file is at path now (a link, where it leads).
bool scanStillThere(const QString &path);
