#pragma once
// A folder with only a little room left, for tests of writes that fail half
// way: a small tmpfs mounted and filled where the test may mount one, else a
// limit on the size of every file the child process writes (RLIMIT_FSIZE,
// with SIGXFSZ ignored so that the write fails rather than kills).

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <unistd.h>

class CrampedFolder {
public:
    static constexpr qint64 kRoom = 4096;  // bytes a file may still take

    CrampedFolder() : mounted_(::mount("tmpfs", root(), "tmpfs", 0, "size=1m") == 0) {}
    ~CrampedFolder()
    {
        if (mounted_)
            ::umount2(root(), MNT_DETACH);
    }
    CrampedFolder(const CrampedFolder &) = delete;
    CrampedFolder &operator=(const CrampedFolder &) = delete;

    // Leaves room bytes free; files placed before stay.
    void cramp(qint64 room = kRoom) { fillBut(room); }
    // Whether the folder is a small file system of its own, rather than
    // limited by the file size limit.
    bool mounted() const { return mounted_; }
    // Makes the folder's file system read-only, files placed before staying;
    // false where the test may not mount.
    bool makeReadOnly() const
    {
        return mounted_ && ::mount("tmpfs", root(), "tmpfs", MS_REMOUNT | MS_RDONLY, nullptr) == 0;
    }

    QString path(const QString &name) const { return folder_.filePath(name); }
    // The names in the folder other than the filler.
    QStringList names() const
    {
        QStringList entries = QDir(folder_.path()).entryList(QDir::Files | QDir::Hidden);
        entries.removeAll(QString::fromLatin1(kFiller));
        return entries;
    }
    // The system's words for the failure a write meets here.
    QString reason() const { return QString::fromLocal8Bit(std::strerror(mounted_ ? ENOSPC : EFBIG)); }
    // What the child process needs before it writes here.
    std::function<void()> childSetUp() const
    {
        if (mounted_)
            return {};
        return [] {
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit limit{kRoom, kRoom};
            ::setrlimit(RLIMIT_FSIZE, &limit);
        };
    }

private:
    static constexpr const char *kFiller = "filler";

    const char *root() const
    {
        root_ = QFile::encodeName(folder_.path());
        return root_.constData();
    }

    // Fills the file system, then gives back room bytes.
    void fillBut(qint64 room)
    {
        if (!mounted_)
            return;
        const QByteArray filler = QFile::encodeName(path(QString::fromLatin1(kFiller)));
        const int fd = ::open(filler.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        const QByteArray block(4096, '\0');
        off_t written = 0;
        while (::write(fd, block.constData(), block.size()) == block.size())
            written += block.size();
        if (::ftruncate(fd, written - room) != 0)
            qWarning("the filler could not be cut");
        ::close(fd);
    }

    QTemporaryDir folder_;
    mutable QByteArray root_;
    bool mounted_;
};
