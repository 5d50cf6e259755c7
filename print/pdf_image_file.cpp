// A one-page PDF that holds nothing but the page bitmap, written as it is
// deflated: the rows go through zlib straight into the file, so that no copy
// of the page is made, neither converted nor uncompressed nor compressed.

#include "pdf_image_file.h"

#include <QFileDevice>
#include <QScopeGuard>

#include <zlib.h>

#include <vector>

namespace {

constexpr std::size_t kOutputChunk = 1 << 18;
constexpr int kImageObject = 5;
constexpr int kLengthObject = 7;
constexpr int kObjectCount = 7;

QByteArray number(double value)
{
    return QByteArray::number(value, 'f', 4);
}

// A text string of the document's information: UTF-16BE with its byte order mark.
QByteArray textString(const QString &text)
{
    QByteArray utf16("\xFE\xFF", 2);
    for (const QChar c : text) {
        utf16 += static_cast<char>(c.unicode() >> 8);
        utf16 += static_cast<char>(c.unicode() & 0xFF);
    }
    return '<' + utf16.toHex() + '>';
}

class PdfObjects {
public:
    explicit PdfObjects(QFileDevice &file) : file_(file), offsets_(kObjectCount + 1, 0) {}

    bool write(const QByteArray &bytes) { return file_.write(bytes) == bytes.size(); }

    bool begin(int object)
    {
        offsets_[static_cast<std::size_t>(object)] = file_.pos();
        return write(QByteArray::number(object) + " 0 obj\n");
    }

    bool object(int object, const QByteArray &body) { return begin(object) && write(body + "\nendobj\n"); }

    bool finish()
    {
        const qint64 xref = file_.pos();
        QByteArray table = "xref\n0 " + QByteArray::number(kObjectCount + 1) + "\n0000000000 65535 f \n";
        for (int i = 1; i <= kObjectCount; ++i)
            table += QByteArray::number(offsets_[static_cast<std::size_t>(i)]).rightJustified(10, '0') + " 00000 n \n";
        table += "trailer\n<< /Size " + QByteArray::number(kObjectCount + 1) + " /Root 1 0 R /Info 6 0 R >>\n";
        table += "startxref\n" + QByteArray::number(xref) + "\n%%EOF\n";
        return write(table);
    }

private:
    QFileDevice &file_;
    std::vector<qint64> offsets_;
};

// Deflates the rows of the page, without the padding at their ends, into the
// file; the count of bytes written comes back in length.
bool writeDeflatedRows(QFileDevice &file, const QImage &page, qint64 &length)
{
    z_stream stream{};
    if (deflateInit(&stream, Z_BEST_SPEED) != Z_OK)
        return false;
    const auto end = qScopeGuard([&] { deflateEnd(&stream); });
    std::vector<Bytef> chunk(kOutputChunk);
    const auto rowBytes = static_cast<uInt>(page.width() * 3);
    length = 0;
    for (int y = 0; y <= page.height(); ++y) {
        const bool last = y == page.height();
        stream.next_in = last ? nullptr : const_cast<Bytef *>(page.constScanLine(y));
        stream.avail_in = last ? 0 : rowBytes;
        do {
            stream.next_out = chunk.data();
            stream.avail_out = static_cast<uInt>(chunk.size());
            if (deflate(&stream, last ? Z_FINISH : Z_NO_FLUSH) == Z_STREAM_ERROR)
                return false;
            const auto produced = static_cast<qint64>(chunk.size() - stream.avail_out);
            if (file.write(reinterpret_cast<const char *>(chunk.data()), produced) != produced)
                return false;
            length += produced;
        } while (stream.avail_out == 0);
    }
    return true;
}

}  // namespace

bool writePdfImagePage(QFileDevice &file, const PdfDocument &page, const QImage &bitmap)
{
    if (bitmap.format() != QImage::Format_RGB888)  // composed pages are; others are converted once
        return writePdfImagePage(file, page, bitmap.convertToFormat(QImage::Format_RGB888));
    // the bitmap 1:1 at the page's resolution, from the top left of the printable area
    const QRectF sheet = page.layout.fullRect(QPageLayout::Point);
    const QRectF printable = page.layout.paintRect(QPageLayout::Point);
    const double width = bitmap.width() * 72.0 / page.resolution;
    const double height = bitmap.height() * 72.0 / page.resolution;
    const QByteArray placing = "q " + number(width) + " 0 0 " + number(height) + ' ' + number(printable.left()) + ' '
                               + number(sheet.height() - printable.top() - height) + " cm /Im0 Do Q\n";
    PdfObjects pdf(file);
    qint64 imageLength = 0;
    return pdf.write("%PDF-1.4\n%\xE2\xE3\xCF\xD3\n") && pdf.object(1, "<< /Type /Catalog /Pages 2 0 R >>")
           && pdf.object(2, "<< /Type /Pages /Kids [3 0 R] /Count 1 >>")
           && pdf.object(3, "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 " + number(sheet.width()) + ' '
                                + number(sheet.height()) + "] /Resources << /XObject << /Im0 "
                                + QByteArray::number(kImageObject) + " 0 R >> >> /Contents 4 0 R >>")
           && pdf.object(4, "<< /Length " + QByteArray::number(placing.size()) + " >>\nstream\n" + placing
                                + "endstream")
           && pdf.begin(kImageObject)
           && pdf.write("<< /Type /XObject /Subtype /Image /Width " + QByteArray::number(bitmap.width())
                        + " /Height " + QByteArray::number(bitmap.height())
                        + " /ColorSpace /DeviceRGB /BitsPerComponent 8 /Filter /FlateDecode /Length "
                        + QByteArray::number(kLengthObject) + " 0 R >>\nstream\n")
           && writeDeflatedRows(file, bitmap, imageLength) && pdf.write("\nendstream\nendobj\n")
           && pdf.object(6, "<< /Title " + textString(page.title) + " /Creator " + textString(page.creator)
                                + " /Producer " + textString(page.creator) + " >>")
           && pdf.object(kLengthObject, QByteArray::number(imageLength)) && pdf.finish();
}
