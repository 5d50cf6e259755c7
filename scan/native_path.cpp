#include "native_path.h"

#include <sys/stat.h>

namespace {

constexpr char16_t kKeptByteBase = 0xDC00;  // stray bytes are 0x80..0xFF: U+DC80..U+DCFF

// The length of the valid UTF-8 sequence at bytes[at], and its code point;
// 0 when the bytes there are no valid sequence (stray, overlong, a surrogate,
// beyond U+10FFFF or cut short).
int sequenceAt(QByteArrayView bytes, qsizetype at, char32_t &codePoint)
{
    const auto byte = [&](qsizetype i) { return static_cast<unsigned char>(bytes[i]); };
    const unsigned char lead = byte(at);
    int length = 0;
    char32_t lowest = 0;
    if (lead < 0x80) {
        codePoint = lead;
        return 1;
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        codePoint = lead & 0x1F;
        lowest = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        codePoint = lead & 0x0F;
        lowest = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        codePoint = lead & 0x07;
        lowest = 0x10000;
    } else {
        return 0;
    }
    if (at + length > bytes.size())
        return 0;
    for (int i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80)
            return 0;
        codePoint = (codePoint << 6) | (byte(at + i) & 0x3F);
    }
    if (codePoint < lowest || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF))
        return 0;
    return length;
}

}  // namespace

QString pathFromNative(QByteArrayView bytes)
{
    QString path;
    path.reserve(bytes.size());
    for (qsizetype at = 0; at < bytes.size();) {
        char32_t codePoint = 0;
        if (const int length = sequenceAt(bytes, at, codePoint)) {
            path += QChar::fromUcs4(codePoint);
            at += length;
        } else {
            path += QChar(static_cast<char16_t>(kKeptByteBase + static_cast<unsigned char>(bytes[at])));
            ++at;
        }
    }
    return path;
}

QByteArray nativePath(QStringView path)
{
    QByteArray bytes;
    bytes.reserve(path.size());
    for (qsizetype at = 0; at < path.size(); ++at) {
        const QChar c = path[at];
        const bool pair = c.isHighSurrogate() && at + 1 < path.size() && path[at + 1].isLowSurrogate();
        if (pair) {
            bytes += QStringView(path.mid(at, 2)).toUtf8();
            ++at;
        } else if (c.unicode() >= kKeptByteBase + 0x80 && c.unicode() <= kKeptByteBase + 0xFF) {
            bytes += static_cast<char>(c.unicode() - kKeptByteBase);
        } else {
            bytes += QStringView(&c, 1).toUtf8();
        }
    }
    return bytes;
}

bool pathTaken(QStringView path)
{
    struct stat status {};
    return ::lstat(nativePath(path).constData(), &status) == 0;
}

bool reachableByQt(QStringView path)
{
    return nativePath(path) == path.toUtf8();
}
