#include "scan_file_open.h"

#include "native_path.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString systemReason(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

}  // namespace

QString notRegularFileReason(mode_t mode)
{
    if (S_ISFIFO(mode))
        return QStringLiteral("Not a regular file (a FIFO)");
    if (S_ISSOCK(mode))
        return QStringLiteral("Not a regular file (a socket)");
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return QStringLiteral("Not a regular file (a device)");
    return QStringLiteral("Not a regular file");
}

std::optional<QString> openScanFile(QFile &file)
{
    const QByteArray path = nativePath(file.fileName());
    // O_NONBLOCK: opening a FIFO without a writer returns at once
    const int descriptor = ::open(path.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (descriptor < 0)
        return systemReason(errno);
    struct stat status {};
    std::optional<QString> refusal;
    if (::fstat(descriptor, &status) != 0)
        refusal = systemReason(errno);
    else if (S_ISDIR(status.st_mode))
        refusal = systemReason(EISDIR);
    else if (!S_ISREG(status.st_mode))
        refusal = notRegularFileReason(status.st_mode);
    else if (::fcntl(descriptor, F_SETFL, ::fcntl(descriptor, F_GETFL) & ~O_NONBLOCK) != 0)
        refusal = systemReason(errno);
    if (!refusal && !file.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        refusal = file.errorString();
    if (refusal && !file.isOpen())
        ::close(descriptor);
    return refusal;
}
