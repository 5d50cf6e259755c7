#include "export_formats.h"

#include "scan_file_format.h"

#include "decimal_text.h"

#include <QtEndian>

#include <algorithm>

namespace {

constexpr int kHighestValue = 127;
constexpr char kSeg2Terminator = 0x05;
constexpr char kStandardTerminator = 0x00;

class Bytes {
public:
    explicit Bytes(int size) : bytes_(size, '\0') {}

    void u8(int at, int value) { bytes_[at] = static_cast<char>(value); }
    void u16(int at, int value) { qToLittleEndian<uint16_t>(static_cast<uint16_t>(value), bytes_.data() + at); }
    void u32(int at, uint32_t value) { qToLittleEndian<uint32_t>(value, bytes_.data() + at); }
    void text(int at, const QByteArray &text) { std::copy(text.begin(), text.end(), bytes_.begin() + at); }

    QByteArray take() { return std::move(bytes_); }

private:
    QByteArray bytes_;
};

// The common fields of a file descriptor block: identifier, revision,
// pointer sub-block size, trace count, string and line terminators.
void fileDescriptor(Bytes &file, char stringTerminator, char second)
{
    file.u16(0, 0x3A55);
    file.u16(2, 1);
    file.u16(4, 160);
    file.u16(6, ScanLayout::kSlicesPerLayer);
    file.u8(8, 1);
    file.u8(9, stringTerminator);
    file.u8(10, second);
    file.u8(11, 1);
    file.u8(12, 0x0D);
    file.u8(13, second);
}

void tracePointers(Bytes &file, int span)
{
    for (int i = 0; i < ScanLayout::kSlicesPerLayer; ++i)
        file.u32(32 + 4 * i, static_cast<uint32_t>(Seg2::kFirstTrace + span * i));
}

// The 256 samples of slice i: depth rows 0..127, then zeros.
void samples(Bytes &file, int at, const ScanVolume &volume, int layer, int slice)
{
    for (int row = 0; row < ScanLayout::kDepthRows; ++row)
        file.u16(at + 2 * row, depthRowSample(volume, layer, slice, row));
}

void traceDescriptor(Bytes &file, int at, int statedSize)
{
    file.u16(at, 0x4422);
    file.u16(at + 2, statedSize);
    file.u32(at + 4, 2 * Seg2::kSamples);
    file.u32(at + 8, Seg2::kSamples);
    file.u8(at + 12, 1);
}

QList<QByteArray> descriptorTexts(const QByteArray &date, const QByteArray &time, const QByteArray &sortKey)
{
    return {"ACQUISITION_DATE " + date, "ACQUISITION_TIME " + time, QByteArrayLiteral("INSTRUMENT ORVELTM7340"),
            sortKey + " AS_ACQUIRED", QByteArrayLiteral("UNITS CENTIMETERS")};
}

// Day, month and year, hour, minute and second as numbers without leading zeros.
QList<QByteArray> instrumentTexts(const QDateTime &utc)
{
    const QDate d = utc.date();
    const QTime t = utc.time();
    return descriptorTexts(QStringLiteral("%1/%2/%3").arg(d.day()).arg(d.month()).arg(d.year()).toLatin1(),
                           QStringLiteral("%1/%2/%3").arg(t.hour()).arg(t.minute()).arg(t.second()).toLatin1(),
                           QByteArrayLiteral("TRACE-SORT"));
}

// DD/MTH/YYYY with the English month and HH:MM:SS, as the standard writes them.
QList<QByteArray> standardTexts(const QDateTime &utc)
{
    static const char *const kMonths[] = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                                          "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};
    const QDate d = utc.date();
    const QTime t = utc.time();
    const auto twoDigits = [](int value) { return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0')); };
    return descriptorTexts(
        (twoDigits(d.day()) + QLatin1Char('/') + QLatin1String(kMonths[d.month() - 1]) + QLatin1Char('/')
         + QString::number(d.year()))
            .toLatin1(),
        (twoDigits(t.hour()) + QLatin1Char(':') + twoDigits(t.minute()) + QLatin1Char(':') + twoDigits(t.second()))
            .toLatin1(),
        QByteArrayLiteral("TRACE_SORT"));
}

// The instrument's string entry: a count C of the text and its terminator,
// the text, the terminator, and one more terminator. Returns the next offset.
int seg2String(Bytes &file, int at, const QByteArray &text)
{
    file.u16(at, text.size() + 1);
    file.text(at + 2, text);
    file.u8(at + 2 + text.size(), kSeg2Terminator);
    file.u8(at + 3 + text.size(), kSeg2Terminator);
    return at + text.size() + 4;
}

// The standard's string entry: an offset to the next entry counted from its
// own first byte, the text and one terminator.
int standardString(Bytes &file, int at, const QByteArray &text)
{
    const int length = 2 + text.size() + 1;
    file.u16(at, length);
    file.text(at + 2, text);
    file.u8(at + 2 + text.size(), kStandardTerminator);
    return at + length;
}

const QByteArray kSampleInterval = QByteArrayLiteral("SAMPLE_INTERVAL 0.1");

void prepareInPlace(std::span<uint8_t> image, int first, int last)
{
    checkRange(first, last - first + 1, static_cast<long long>(image.size()));
    for (int i = first; i <= last; ++i) {
        if (image[i] > kHighestValue)
            image[i] = kHighestValue;
        if (i % ScanLayout::kTraceLength == 0)
            image[i] = 0;
    }
}

}  // namespace

void PrepareImageForSave(ScanVolume &volume, int first, int last)
{
    prepareInPlace(std::span<uint8_t>(volume.scan_image.data(), volume.scan_image.size()), first, last);
}

std::vector<uint8_t> imagePreparedForSave(std::span<const uint8_t> image, int first, int last)
{
    std::vector<uint8_t> prepared(image.begin(), image.end());
    prepareInPlace(prepared, first, last);
    return prepared;
}

QString layerFileName(const QString &chosen, int number, const QString &extension)
{
    const qsizetype nameStart = chosen.lastIndexOf(QLatin1Char('/')) + 1;
    const QString name = chosen.mid(nameStart);
    const QString numberText = QString::number(number);
    if (name.size() > extension.size() && name.endsWith(extension, Qt::CaseInsensitive))
        return chosen.left(chosen.size() - extension.size()) + numberText + chosen.right(extension.size());
    return chosen + numberText + extension;
}

int depthRowSample(const ScanVolume &volume, int layer, int slice, int depthRow)
{
    return volume.scan_image[TraceOffset(layer, slice) + depthRow + 1];
}

QByteArray seg2LayerFile(const ScanVolume &volume, int layer, const QDateTime &utc)
{
    Bytes file(Seg2::kFileSize);
    fileDescriptor(file, kSeg2Terminator, static_cast<char>(0xFF));
    tracePointers(file, Seg2::kTraceSpan);
    int at = 192;
    for (const QByteArray &text : instrumentTexts(utc))
        at = seg2String(file, at, text);
    file.u16(at, 0);
    for (int slice = 0; slice < ScanLayout::kSlicesPerLayer; ++slice) {
        const int trace = Seg2::kFirstTrace + Seg2::kTraceSpan * slice;
        // the descriptor states 56 bytes while its strings end at 57
        traceDescriptor(file, trace, 56);
        file.u16(seg2String(file, trace + 32, kSampleInterval), 0);
        samples(file, trace + 57, volume, layer, slice);
    }
    return file.take();
}

QByteArray seg2StandardLayerFile(const ScanVolume &volume, int layer, const QDateTime &utc)
{
    Bytes file(Seg2Standard::kFileSize);
    fileDescriptor(file, kStandardTerminator, kStandardTerminator);
    tracePointers(file, Seg2Standard::kTraceSpan);
    int at = 192;
    for (const QByteArray &text : standardTexts(utc))
        at = standardString(file, at, text);
    file.u16(at, 0);
    for (int slice = 0; slice < ScanLayout::kSlicesPerLayer; ++slice) {
        const int trace = Seg2::kFirstTrace + Seg2Standard::kTraceSpan * slice;
        traceDescriptor(file, trace, Seg2Standard::kDescriptorSize);
        file.u16(standardString(file, trace + 32, kSampleInterval), 0);
        samples(file, trace + Seg2Standard::kDescriptorSize, volume, layer, slice);
    }
    return file.take();
}

namespace {

// A number with three decimals, right-aligned in seven characters; whole
// numbers need no decimal separator of the locale, the decimals are always .000.
char *putAsciiColumn(char *at, int value)
{
    at = putThreeDigits(at, value);
    return std::copy_n(".000", 4, at);
}

char *putAsciiLine(char *at, int slice, int depthRow, int sample)
{
    at = putAsciiColumn(at, slice);
    *at++ = ' ';
    at = putAsciiColumn(at, depthRow);
    *at++ = ' ';
    at = putAsciiColumn(at, sample);
    *at++ = '\n';
    return at;
}

}  // namespace

QByteArray asciiLayerFile(const ScanVolume &volume, int layer)
{
    QByteArray file(AsciiColumns::kLinesPerLayer * AsciiColumns::kLineLength, Qt::Uninitialized);
    char *at = file.data();
    for (int slice = 0; slice < ScanLayout::kSlicesPerLayer; ++slice) {
        for (int row = 0; row < ScanLayout::kDepthRows; ++row)
            at = putAsciiLine(at, slice, row, depthRowSample(volume, layer, slice, row));
    }
    return file;
}
