// Writes the stream the instrument sends for a scan file, as a seed for the
// receive protocol's fuzz target: receive_protocol_seed FILE.vlm OUT.
// The fuzz target takes the lengths of the pieces from the end of its input,
// so the stream's tail, which the receive never counts, carries them.

#include "export_writers.h"
#include "instrument_stream.h"
#include "scan_file_reader.h"

#include <QFile>

#include <cstdio>
#include <vector>

int main(int argc, char *argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: receive_protocol_seed FILE.vlm OUT\n");
        return 2;
    }
    QFile scan(QString::fromLocal8Bit(argv[1]));
    std::vector<uint8_t> image(ScanLayout::kImageSize);
    if (!scan.open(QIODevice::ReadOnly)
        || !readScanFile(scan, std::span<uint8_t, ScanLayout::kImageSize>(image.data(), image.size())).magicMatches) {
        std::fprintf(stderr, "receive_protocol_seed: %s is not a readable scan file\n", argv[1]);
        return 1;
    }
    const std::vector<uint8_t> stream =
        instrumentStream(std::span<const uint8_t, ScanLayout::kImageSize>(image.data(), image.size()));
    const WriteOutcome outcome = writeFileWhole(QString::fromLocal8Bit(argv[2]), [&](QFileDevice &file) {
        return file.write(reinterpret_cast<const char *>(stream.data()), static_cast<qint64>(stream.size()))
               == static_cast<qint64>(stream.size());
    });
    if (!outcome.ok)
        std::fprintf(stderr, "receive_protocol_seed: cannot write %s: %s\n", argv[2], qPrintable(outcome.error));
    return outcome.ok ? 0 : 1;
}
