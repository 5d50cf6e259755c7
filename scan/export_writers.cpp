#include "export_writers.h"

#include "native_path.h"
#include "scan_file_writer.h"

#include <QFileInfo>
#include <QSaveFile>
#include <QTemporaryFile>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace {

bool writeBytes(QFileDevice &file, const QByteArray &bytes)
{
    return file.write(bytes) == bytes.size();
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

}  // namespace

WriteOutcome writeFileWhole(const QString &path, const std::function<bool(QFileDevice &)> &write)
{
    if (!reachableByQt(path))
        return writeUnderOtherName(path, write);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {false, file.errorString()};
    if (!write(file) || !file.flush()) {
        const QString reason = whyWritingFailed(file);
        file.cancelWriting();
        return {false, reason};
    }
    if (!file.commit())
        return {false, file.errorString()};
    return {};
}

WriteOutcome saveScanImage(const QString &path, std::span<const uint8_t> image)
{
    checkRange(0, ScanLayout::kImageSize, static_cast<long long>(image.size()));
    return writeFileWhole(path, [&](QFileDevice &file) {
        return writeScanFile(file, image.first<ScanLayout::kImageSize>());
    });
}

WriteOutcome saveScanImagePrepared(const QString &path, ScanVolume &volume, int first, int last)
{
    const std::vector<uint8_t> prepared = imagePreparedForSave(
        std::span<const uint8_t>(volume.scan_image.data(), ScanLayout::kClearedEntries), first, last);
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
    const QByteArray bytes = volumeFile(format, volume, source);
    return writeFileWhole(path, [&](QFileDevice &file) { return writeBytes(file, bytes); });
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

void exportLayers(const ScanVolume &volume, const QString &chosen, LayerFormat format, const Clock &clock,
                  const LayerFailure &failed)
{
    const QStringList paths = layerFileNames(chosen, format);
    for (int layer = 1; layer <= ScanLayout::kLayerCount; ++layer) {
        const QString &path = paths[layer - 1];
        const WriteOutcome outcome = writeFileWhole(path, [&](QFileDevice &file) {
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
        if (!outcome.ok && !failed(path, outcome.error))
            return;
    }
}
