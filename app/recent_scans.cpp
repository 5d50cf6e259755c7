#include "recent_scans.h"

#include "native_path.h"
#include "settings_store.h"

#include <sys/stat.h>

void RecentScans::read(const SettingsStore &settings)
{
    paths_.clear();
    for (int place = 1; place <= kMostScans; ++place) {
        const auto path = settings.readString(SettingNames::recentScan(place));
        if (path && !path->isEmpty() && !paths_.contains(*path))
            paths_ << *path;
    }
}

void RecentScans::write(SettingsStore &settings) const
{
    for (int place = 1; place <= kMostScans; ++place)
        settings.writeString(SettingNames::recentScan(place), paths_.value(place - 1));
}

void RecentScans::add(const QString &path)
{
    paths_.removeAll(path);
    paths_.prepend(path);
    while (paths_.size() > kMostScans)
        paths_.removeLast();
}

void RecentScans::removeMissing()
{
    paths_.removeIf([](const QString &path) { return !scanStillThere(path); });
}

bool scanStillThere(const QString &path)
{
    struct stat status {};
    return ::stat(nativePath(path).constData(), &status) == 0 && !S_ISDIR(status.st_mode);
}
