#include "export_writers.h"

#include "native_path.h"
#include "scan_file_open.h"
#include "scan_file_writer.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSaveFile>
#include <QTemporaryFile>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <memory>
#include <new>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

bool writeBytes(QFileDevice &file, const QByteArray &bytes)
{
    return file.write(bytes) == bytes.size();
}

// Qt calls an existing file that cannot be written "not writable" whatever
// the cause; the system tells a read-only file system from missing rights.
QString whyOpeningFailed(const QSaveFile &file)
{
    const QByteArray name = QFile::encodeName(file.fileName());
    if (::access(name.constData(), F_OK) == 0 && ::access(name.constData(), W_OK) != 0)
        return qt_error_string(errno);
    const QByteArray folder = QFile::encodeName(QFileInfo(file.fileName()).absolutePath());
    if (::access(folder.constData(), W_OK) != 0)
        return qt_error_string(errno);
    return file.errorString();
}

// Qt reports a write that stopped part way without the system's reason. One
// more byte written straight to the file meets the same condition (a full
// disk, a file size limit) and brings the reason; the file is thrown away
// after it.
QString whyWritingFailed(QFileDevice &file)
{
    const int descriptor = file.handle();
    if (descriptor >= 0 && ::write(descriptor, "", 1) < 0)
        return qt_error_string(errno);
    return file.errorString();
}

// A name of bytes that Qt cannot reach is written under a name it can, in
// the same folder reached through its descriptor, then renamed into place.
WriteOutcome writeUnderOtherName(const QString &path, const std::function<bool(QFileDevice &)> &write)
{
    static std::atomic<int> counter{0};
    const QByteArray bytes = nativePath(path);
    const qsizetype slash = bytes.lastIndexOf('/');
    const QByteArray folderBytes = slash < 0 ? QByteArray(".") : slash == 0 ? QByteArray("/") : bytes.left(slash);
    const QByteArray nameBytes = bytes.mid(slash + 1);
    const int folder = ::open(folderBytes.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    if (folder < 0)
        return {false, qt_error_string(errno)};
    const QByteArray stand = QByteArrayLiteral(".velmora-") + QByteArray::number(::getpid()) + '-'
                             + QByteArray::number(counter++);
    WriteOutcome outcome =
        writeFileWhole(QStringLiteral("/proc/self/fd/%1/%2").arg(folder).arg(QLatin1String(stand)), write);
    if (outcome.ok && ::renameat(folder, stand.constData(), folder, nameBytes.constData()) != 0) {
        outcome = {false, qt_error_string(errno)};
        ::unlinkat(folder, stand.constData(), 0);
    }
    ::close(folder);
    return outcome;
}

// Writes the temporary file of file whole without putting it in place: the
// reason when that fails, after which the temporary file is gone.
std::optional<QString> writeUncommitted(QSaveFile &file, const std::function<bool(QFileDevice &)> &write)
{
    if (!file.open(QIODevice::WriteOnly))
        return whyOpeningFailed(file);
    if (!write(file) || !file.flush()) {
        const QString reason = whyWritingFailed(file);
        file.cancelWriting();
        return reason;
    }
    return std::nullopt;
}

// A new file beside path under a name no file has, made with the
// permissions of any new file (the user's umask applies), as QSaveFile makes
// its own.
int createTemporaryBeside(const QString &path, QString &temporary)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary = QStringLiteral("%1.%2~").arg(path).arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
        const int descriptor =
            ::open(nativePath(temporary).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (descriptor >= 0 || errno != EEXIST)
            return descriptor;
    }
    return -1;
}

// Gives the temporary file the name path unless a file has that name. The
// system decides both in one step, so a file made meanwhile is never replaced.
bool moveWhereNoFileIs(const QByteArray &temporary, const QByteArray &path)
{
    if (::renameat2(AT_FDCWD, temporary.constData(), AT_FDCWD, path.constData(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS)
        return false;
    // a file system without that rename: a new link fails on an existing name just as surely
    if (::link(temporary.constData(), path.constData()) != 0)
        return false;
    ::unlink(temporary.constData());
    return true;
}

// A file written beside path under a name no file has, thrown away unless
// it is put in place. Names are reached by their bytes, so a name that is
// not valid UTF-8 is written as it is.
class TemporaryBeside
{
public:
    explicit TemporaryBeside(const QString &path) : path_(path) {}
    TemporaryBeside(const TemporaryBeside &) = delete;
    TemporaryBeside &operator=(const TemporaryBeside &) = delete;
    ~TemporaryBeside()
    {
        if (!name_.isEmpty())
            ::unlink(name_.constData());
    }

    // The reason when the file cannot be made, or written whole to the disk.
    std::optional<QString> write(const std::function<bool(QFileDevice &)> &write)
    {
        QString temporaryName;
        const int descriptor = createTemporaryBeside(path_, temporaryName);
        if (descriptor < 0)
            return qt_error_string(errno);
        name_ = nativePath(temporaryName);
        QFile file;
        file.open(descriptor, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle);
        if (!write(file) || !file.flush())
            return whyWritingFailed(file);
        if (::fsync(descriptor) != 0)
            return qt_error_string(errno);
        return std::nullopt;
    }

    // Gives the file its name, replacing what is there or only where no file
    // is; errno tells why it could not.
    bool putInPlace(ExistingFile existing)
    {
        const QByteArray target = nativePath(path_);
        const bool moved = existing == ExistingFile::Keep ? moveWhereNoFileIs(name_, target)
                                                          : ::rename(name_.constData(), target.constData()) == 0;
        if (moved)
            name_.clear();
        return moved;
    }

private:
    QString path_;
    QByteArray name_;
};

// A FIFO, a device or a socket at the path is never replaced: putting a file
// in its place would turn /dev/null, say, into a plain file. A folder is left
// to the writers, which say so themselves.
std::optional<QString> whyNotReplaceable(const QString &path)
{
    struct stat status {};
    if (::stat(nativePath(path).constData(), &status) != 0 || S_ISREG(status.st_mode) || S_ISDIR(status.st_mode))
        return std::nullopt;
    return notRegularFileReason(status.st_mode);
}

WriteOutcome writeNewFileWhole(const QString &path, const std::function<bool(QFileDevice &)> &write)
{
    TemporaryBeside file(path);
    if (const auto reason = file.write(write))
        return {false, *reason};
    if (!file.putInPlace(ExistingFile::Keep)) {
        const int error = errno;
        return {false, qt_error_string(error), error == EEXIST};
    }
    return {};
}

}  // namespace

WriteOutcome moveWithoutReplacing(const QString &from, const QString &to)
{
    if (moveWhereNoFileIs(nativePath(from), nativePath(to)))
        return {};
    const int error = errno;
    return {false, qt_error_string(error), error == EEXIST};
}

WriteOutcome writeFileWhole(const QString &path, const std::function<bool(QFileDevice &)> &write,
                            ExistingFile existing)
{
    try {
        if (existing == ExistingFile::Keep)
            return writeNewFileWhole(path, write);
        if (const auto reason = whyNotReplaceable(path))
            return {false, *reason};
        if (!reachableByQt(path))
            return writeUnderOtherName(path, write);
        QSaveFile file(path);
        if (const auto reason = writeUncommitted(file, write))
            return {false, *reason};
        if (!file.commit())
            return {false, file.errorString()};
        return {};
    } catch (const std::bad_alloc &) {
        return {false, kOutOfMemoryReason};
    }
}

// The files wait, written and on the disk, until the last of them is: only
// then is the first put in place, so that a full disk or a lack of memory
// meets none of them half way.
FileSetOutcome writeFileSetWhole(const QStringList &paths, const std::function<bool(int, QFileDevice &)> &write)
{
    QString current;
    try {
        std::vector<std::unique_ptr<TemporaryBeside>> files;
        for (int i = 0; i < paths.size(); ++i) {
            current = paths[i];
            if (const auto reason = whyNotReplaceable(current))
                return {false, current, *reason};
            files.push_back(std::make_unique<TemporaryBeside>(paths[i]));
            if (const auto reason = files.back()->write([&](QFileDevice &device) { return write(i, device); }))
                return {false, current, *reason};
        }
        for (int i = 0; i < paths.size(); ++i) {
            current = paths[i];
            if (!files[i]->putInPlace(ExistingFile::Replace))
                return {false, current, qt_error_string(errno)};
        }
        return {};
    } catch (const std::bad_alloc &) {
        return {false, current, kOutOfMemoryReason};
    }
}

WriteOutcome saveScanImage(const QString &path, std::span<const uint8_t> image, ExistingFile existing)
{
    checkRange(0, ScanLayout::kImageSize, static_cast<long long>(image.size()));
    return writeFileWhole(
        path, [&](QFileDevice &file) { return writeScanFile(file, image.first<ScanLayout::kImageSize>()); },
        existing);
}

WriteOutcome saveScanImagePrepared(const QString &path, ScanVolume &volume, int first, int last)
{
    std::vector<uint8_t> prepared;
    try {
        prepared = imagePreparedForSave(
            std::span<const uint8_t>(volume.scan_image.data(), ScanLayout::kClearedEntries), first, last);
    } catch (const std::bad_alloc &) {
        return {false, kOutOfMemoryReason};
    }
    const WriteOutcome outcome = saveScanImage(path, prepared);
    if (outcome.ok)
        std::copy(prepared.begin(), prepared.end(), volume.scan_image.data());
    return outcome;
}

WriteOutcome probeWritableFolder(const QString &path)
{
    QTemporaryFile probe(QFileInfo(path).absolutePath() + QStringLiteral("/.velmora-XXXXXX"));
    if (!probe.open())
        return {false, probe.errorString()};
    return {};
}

WriteOutcome exportVolume(const QString &path, VolumeFormat format, const ScanVolume &volume,
                          const VolumeSource &source)
{
    return writeFileWhole(path, [&](QFileDevice &file) { return writeBytes(file, volumeFile(format, volume, source)); });
}

QString layerExtension(LayerFormat format)
{
    return format == LayerFormat::Ascii ? AsciiColumns::kExtension : Seg2::kExtension;
}

QStringList layerFileNames(const QString &chosen, LayerFormat format)
{
    QStringList names;
    for (int layer = 1; layer <= ScanLayout::kLayerCount; ++layer) {
        const int number = format == LayerFormat::Ascii ? layer - 1 : layer;
        names << layerFileName(chosen, number, layerExtension(format));
    }
    return names;
}

QStringList existingLayerFiles(const QString &chosen, LayerFormat format)
{
    QStringList existing;
    for (const QString &name : layerFileNames(chosen, format))
        if (pathTaken(name) && !existing.contains(name))
            existing << name;
    return existing;
}

QString existingLayerFilesText(const QStringList &existing)
{
    const QString first = QFileInfo(existing.value(0)).fileName();
    if (existing.size() == 1)
        return QStringLiteral("1 of the %1 layer files exists, %2").arg(ScanLayout::kLayerCount).arg(first);
    return QStringLiteral("%1 of the %2 layer files exist, %3 \u2026")
        .arg(existing.size())
        .arg(ScanLayout::kLayerCount)
        .arg(first);
}

FileSetOutcome exportLayers(const ScanVolume &volume, const QString &chosen, LayerFormat format, const Clock &clock)
{
    return writeFileSetWhole(layerFileNames(chosen, format), [&](int index, QFileDevice &file) {
        const int layer = index + 1;
        switch (format) {
        case LayerFormat::Seg2:
            return writeBytes(file, seg2LayerFile(volume, layer, clock()));
        case LayerFormat::Seg2Standard:
            return writeBytes(file, seg2StandardLayerFile(volume, layer, clock()));
        case LayerFormat::Ascii:
            break;
        }
        return writeBytes(file, asciiLayerFile(volume, layer));
    });
}
