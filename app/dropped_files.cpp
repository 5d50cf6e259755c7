#include "dropped_files.h"

#include "native_path.h"
#include "scan_folder.h"

namespace {

// The local file of a URL, its name as the bytes it is.
QString localPath(const QUrl &url)
{
    return pathFromNative(QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1()));
}

DroppedFiles refused(const QString &reason)
{
    return {DroppedFiles::Action::Refuse, {}, reason};
}

}  // namespace

DroppedFiles examineDrop(const QList<QUrl> &urls)
{
    if (urls.isEmpty())
        return refused(QStringLiteral("Only scan files can be dropped here."));
    QStringList paths;
    for (const QUrl &url : urls) {
        if (!url.isLocalFile())
            return refused(QStringLiteral("%1 is not a file on this computer: only scan files can be dropped here.")
                               .arg(url.toDisplayString()));
        paths << localPath(url);
    }
    if (paths.size() > 1)
        return {DroppedFiles::Action::Browse, paths, {}};
    const auto entry = examineScanFile(paths.first());
    if (!entry)
        return refused(QStringLiteral("%1 is a folder: only scan files can be dropped here.").arg(paths.first()));
    if (!entry->problem.isEmpty())
        return refused(QStringLiteral("%1 cannot be opened: %2.").arg(paths.first(), entry->problem));
    return {DroppedFiles::Action::Open, paths, {}};
}
