#include "export_writers.h"

#include "scan_file_writer.h"

#include <QSaveFile>

namespace {

bool writeBytes(QFileDevice &file, const QByteArray &bytes)
{
    return file.write(bytes) == bytes.size();
}

}  // namespace

WriteOutcome writeFileWhole(const QString &path, const std::function<bool(QFileDevice &)> &write)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {false, file.errorString()};
    if (!write(file) || !file.flush()) {
        const QString reason = file.errorString();
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

QString layerFilePath(const QString &chosen, LayerFormat format, int layer)
{
    const int number = format == LayerFormat::Ascii ? layer - 1 : layer;
    return layerFileName(chosen, number, layerExtension(format));
}

void exportLayers(const ScanVolume &volume, const QString &chosen, LayerFormat format, const Clock &clock,
                  const LayerFailure &failed)
{
    for (int layer = 1; layer <= ScanLayout::kLayerCount; ++layer) {
        const QString path = layerFilePath(chosen, format, layer);
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
