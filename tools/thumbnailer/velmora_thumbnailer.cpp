// velmora-thumbnailer -s SIZE INPUT OUTPUT.png: the picture of a scan for the
// desktop's file manager, which runs it as the thumbnailer entry says. Exit
// status 1, with nothing written, for a file that is not a scan; 2 for a
// command line not understood.

#include "desktop_thumbnail.h"
#include "native_path.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>

namespace {

// The largest thumbnails a file manager asks for ("xx-large").
constexpr int kLargestSide = 1024;

int refuse(const QString &reason, int status)
{
    std::fprintf(stderr, "velmora-thumbnailer: %s\n", nativePath(reason).constData());
    return status;
}

}  // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    bool sizeRead = false;
    const int size = arguments.size() == 5 ? arguments[2].toInt(&sizeRead) : 0;
    if (arguments.size() != 5 || arguments[1] != QStringLiteral("-s") || !sizeRead)
        return refuse(QStringLiteral("usage: velmora-thumbnailer -s SIZE INPUT OUTPUT.png"), 2);
    if (size < 1 || size > kLargestSide)
        return refuse(QStringLiteral("SIZE must be 1 to %1 pixels, not %2").arg(kLargestSide).arg(arguments[2]), 2);
    // the file manager's names as the bytes they are
    const QString scan = pathFromNative(argv[3]);
    if (const auto problem = writeDesktopThumbnail(scan, pathFromNative(argv[4]), size))
        return refuse(QStringLiteral("%1: %2").arg(scan, *problem), 1);
    return 0;
}
