#include "thumbnail_cache.h"

std::optional<ScanThumbnail> ThumbnailCache::find(const ScanFolderEntry &entry) const
{
    const auto found = stored_.constFind(entry.path);
    if (found == stored_.constEnd() || found->modified != entry.modified || found->size != entry.size)
        return std::nullopt;
    return found->thumbnail;
}

void ThumbnailCache::store(const ScanFolderEntry &entry, const ScanThumbnail &thumbnail)
{
    stored_.insert(entry.path, {entry.modified, entry.size, thumbnail});
}
