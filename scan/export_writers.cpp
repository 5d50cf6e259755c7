#include "export_writers.h"

#include "scan_file_writer.h"

#include <QSaveFile>

#include <cerrno>
#include <unistd.h>

namespace {

bool writeAsciiLayer(QFileDevice &file, const ScanVolume &volume, int layer)
{
    for (int slice = 0; slice < ScanLayout::kSlicesPerLayer; ++slice) {
        for (int row = 0; row < ScanLayout::kDepthRows; ++row) {
            const QByteArray line = asciiLine(slice, row, depthRowSample(volume, layer, slice, row));
            if (file.write(line) != line.size() || !file.flush())
                return false;
        }
    }
    return true;
}

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

}  // namespace

WriteOutcome writeFileWhole(const QString &path, const std::function<bool(QFileDevice &)> &write)
{
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

WriteOutcome saveScanImage(const QString &path, const ScanVolume &volume)
{
    return writeFileWhole(path, [&](QFileDevice &file) {
        return writeScanFile(
            file, std::span<const uint8_t, ScanLayout::kImageSize>(volume.scan_image.data(), ScanLayout::kImageSize));
    });
}

QString layerExtension(LayerFormat format)
{
    return format == LayerFormat::Ascii ? AsciiColumns::kExtension : Seg2::kExtension;
}

void exportLayers(const ScanVolume &volume, const QString &chosen, LayerFormat format, const Clock &clock,
                  const LayerFailure &failed)
{
    for (int layer = 1; layer <= ScanLayout::kLayerCount; ++layer) {
        const int number = format == LayerFormat::Ascii ? layer - 1 : layer;
        const QString path = layerFileName(chosen, number, layerExtension(format));
        const WriteOutcome outcome = writeFileWhole(path, [&](QFileDevice &file) {
            switch (format) {
            case LayerFormat::Seg2:
                return writeBytes(file, seg2LayerFile(volume, layer, clock()));
            case LayerFormat::Seg2Standard:
                return writeBytes(file, seg2StandardLayerFile(volume, layer, clock()));
            case LayerFormat::Ascii:
                break;
            }
            return writeAsciiLayer(file, volume, layer);
        });
        if (!outcome.ok && !failed(path, outcome.error))
            return;
    }
}
