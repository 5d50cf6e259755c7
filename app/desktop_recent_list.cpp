#include "desktop_recent_list.h"

#include "export_writers.h"
#include "native_path.h"

#include <QDir>
#include <QFileInfo>

#include <glib.h>

#include <memory>

namespace {

const char *const kScanMimeType = "application/x-velmora-scan";
const char *const kApplicationName = "Velmora";
// how the desktop starts Velmora on a file of the list
const char *const kApplicationCommand = "velmora %u";

template <class T, void (*release)(T *)>
struct Releaser {
    void operator()(T *held) const { release(held); }
};
using BookmarkFile = std::unique_ptr<GBookmarkFile, Releaser<GBookmarkFile, g_bookmark_file_free>>;
using GlibError = std::unique_ptr<GError, Releaser<GError, g_error_free>>;
using GlibText = std::unique_ptr<gchar, Releaser<void, g_free>>;

QString dataHome()
{
    const QString xdg = qEnvironmentVariable("XDG_DATA_HOME");
    return xdg.isEmpty() ? QDir::homePath() + QStringLiteral("/.local/share") : xdg;
}

QString reasonOf(const GError *error)
{
    return QString::fromUtf8(error->message);
}

}  // namespace

QString desktopRecentListPath()
{
    return dataHome() + QStringLiteral("/recently-used.xbel");
}

std::optional<QString> addToDesktopRecentList(const QString &path)
{
    const QString listPath = desktopRecentListPath();
    const BookmarkFile list(g_bookmark_file_new());
    GError *failure = nullptr;
    // an empty list is a new one; any other that GLib cannot read is another program's to mend
    if (QFileInfo(listPath).size() > 0
        && !g_bookmark_file_load_from_file(list.get(), nativePath(listPath).constData(), &failure)) {
        const GlibError error(failure);
        return QStringLiteral("%1 cannot be read: %2").arg(listPath, reasonOf(error.get()));
    }
    const GlibText uri(g_filename_to_uri(nativePath(QFileInfo(path).absoluteFilePath()).constData(), nullptr, &failure));
    if (!uri) {
        const GlibError error(failure);
        return reasonOf(error.get());
    }
    g_bookmark_file_set_mime_type(list.get(), uri.get(), kScanMimeType);
    g_bookmark_file_add_application(list.get(), uri.get(), kApplicationName, kApplicationCommand);
    gsize length = 0;
    const GlibText text(g_bookmark_file_to_data(list.get(), &length, &failure));
    if (!text) {
        const GlibError error(failure);
        return reasonOf(error.get());
    }
    QDir().mkpath(dataHome());
    const WriteOutcome written = writeFileWhole(listPath, [&](QFileDevice &file) {
        return file.write(text.get(), static_cast<qint64>(length)) == static_cast<qint64>(length);
    });
    if (!written.ok)
        return written.error;
    return std::nullopt;
}
