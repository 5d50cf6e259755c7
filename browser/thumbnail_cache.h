#pragma once
// The thumbnails made in this session, by file; a file changed since its
// thumbnail was made (other time or size) is made again.

#include "scan_folder.h"
#include "scan_thumbnail.h"

#include <QHash>

#include <optional>

class ThumbnailCache {
public:
    std::optional<ScanThumbnail> find(const ScanFolderEntry &entry) const;
    void store(const ScanFolderEntry &entry, const ScanThumbnail &thumbnail);

private:
    struct Stored {
        QDateTime modified;
        qint64 size;
        ScanThumbnail thumbnail;
    };
    QHash<QString, Stored> stored_;
};
