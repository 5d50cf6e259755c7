#include "volume_formats.h"

#include <QLocale>
#include <QTest>
#include <QXmlStreamReader>
#include <QtEndian>

#include <algorithm>
#include <clocale>
#include <cmath>
#include <locale>
#include <memory>

namespace {

// A volume whose every trace byte differs from its neighbours along all three
// axes, with the depth scale code set into header byte 2052.
std::unique_ptr<ScanVolume> patternVolume(int headerByte)
{
    auto volume = std::make_unique<ScanVolume>();
    AllocateVolume(*volume, {});
    for (int i = 0; i < ScanLayout::kImageSize; ++i)
        volume->scan_image[i] = static_cast<uint8_t>((i * 7 + i / 128 * 3 + i / 5120) % 256);
    volume->scan_image[2052] = static_cast<uint8_t>(headerByte);
    return volume;
}

// Layer L (1..24), slice s (0..39), trace byte b: image byte 5120 · L + 128 · s + b.
QByteArray expectedVolumeBytes(const ScanVolume &volume)
{
    QByteArray bytes;
    for (int layer = 1; layer <= 24; ++layer)
        for (int slice = 0; slice < 40; ++slice)
            for (int b = 0; b < 128; ++b)
                bytes += char(volume.scan_image[5120 * layer + 128 * slice + b]);
    return bytes;
}

struct NrrdRead {
    QByteArray magic;
    QMap<QByteArray, QByteArray> fields;     // "field: value"
    QMap<QByteArray, QByteArray> keyValues;  // "key:=value"
    QList<QByteArray> comments;
    QByteArray data;
};

// Reads an attached NRRD header as its format description lays it down: the
// magic line, then comment lines (#), key/value lines (:=) and field lines
// (": "), up to an empty line, after which the data follows.
NrrdRead readNrrd(const QByteArray &file)
{
    NrrdRead read;
    qsizetype at = 0;
    const auto nextLine = [&] {
        const qsizetype end = file.indexOf('\n', at);
        const QByteArray line = file.mid(at, end - at);
        at = end + 1;
        return line;
    };
    read.magic = nextLine();
    for (QByteArray line = nextLine(); !line.isEmpty(); line = nextLine()) {
        if (line.startsWith('#'))
            read.comments << line;
        else if (const qsizetype kv = line.indexOf(":="); kv > 0)
            read.keyValues[line.left(kv)] = line.mid(kv + 2);
        else if (const qsizetype field = line.indexOf(": "); field > 0)
            read.fields[line.left(field)] = line.mid(field + 2);
    }
    read.data = file.mid(at);
    return read;
}

// The lengths of the vectors of "space directions": (x,y,z) (x,y,z) (x,y,z).
QList<double> directionLengths(const QByteArray &directions)
{
    QList<double> lengths;
    for (QByteArray vector : directions.split(' ')) {
        vector = vector.mid(1, vector.size() - 2);
        double sum = 0;
        for (const QByteArray &component : vector.split(','))
            sum += component.toDouble() * component.toDouble();
        lengths << std::sqrt(sum);
    }
    return lengths;
}

struct VtiRead {
    QMap<QString, QString> attributes;  // "Element.Attribute"
    QByteArray data;
    QByteArray afterData;
};

// Reads VTK XML ImageData as its file format description lays it down: the
// XML up to AppendedData, then after its underscore the array's byte count
// (header_type, byte_order) and its bytes at the DataArray's offset.
VtiRead readVti(const QByteArray &file)
{
    VtiRead read;
    const qsizetype appended = file.indexOf("<AppendedData");
    QXmlStreamReader xml(file.left(appended));
    while (xml.readNext() != QXmlStreamReader::Invalid) {
        if (!xml.isStartElement())
            continue;
        for (const QXmlStreamAttribute &attribute : xml.attributes())
            read.attributes[xml.name().toString() + '.' + attribute.name().toString()] = attribute.value().toString();
    }
    const qsizetype tagEnd = file.indexOf('>', appended);
    const QByteArray tag = file.mid(appended, tagEnd - appended);
    if (!tag.contains("encoding=\"raw\""))
        return read;
    const qsizetype start = file.indexOf('_', tagEnd) + 1 + read.attributes.value("DataArray.offset").toInt();
    const uint32_t count = qFromLittleEndian<uint32_t>(file.constData() + start);
    read.data = file.mid(start + 4, count);
    read.afterData = file.mid(start + 4 + count);
    return read;
}

// Numbers as a German user's C++ program and Qt write them: with a decimal comma.
struct CommaDecimals : std::numpunct<char> {
    char do_decimal_point() const override { return ','; }
};

}  // namespace

class VolumeFormatsTest : public QObject {
    Q_OBJECT

private slots:
    void npyReadsBackAsItsFormatDescribes()
    {
        auto volume = patternVolume(2);
        const QByteArray file = npyFile(*volume);
        QCOMPARE(file.left(8), QByteArray("\x93NUMPY\x01\x00", 8));
        const int headerLength = qFromLittleEndian<uint16_t>(file.constData() + 8);
        const int dataStart = 10 + headerLength;
        QCOMPARE(dataStart % 64, 0);
        const QByteArray header = file.mid(10, headerLength);
        QVERIFY(header.endsWith('\n'));
        QCOMPARE(header.simplified(), QByteArray("{'descr': '|u1', 'fortran_order': False, 'shape': (24, 40, 128), }"));
        QCOMPARE(file.mid(dataStart), expectedVolumeBytes(*volume));
    }

    void spacingFollowsDepthScaleAndProbe_data()
    {
        QTest::addColumn<int>("headerByte");
        QTest::addColumn<double>("slicePitch");  // 0: not known
        QTest::addColumn<double>("layerPitch");
        QTest::addColumn<QList<double>>("spacing");
        QTest::addColumn<bool>("assumed");
        QTest::newRow("20 mm, probe not known") << 0 << 0.0 << 0.0 << QList<double>{1.25, 1, 1} << true;
        QTest::newRow("50 mm, both pitches") << 1 << 2.5 << 4.0 << QList<double>{3.125, 2.5, 4} << false;
        QTest::newRow("100 mm, slice pitch only") << 2 << 0.8 << 0.0 << QList<double>{6.25, 0.8, 1} << true;
        QTest::newRow("200 mm from code 7, layer pitch only") << 7 << 0.0 << 3.0 << QList<double>{12.5, 1, 3} << true;
    }
    void spacingFollowsDepthScaleAndProbe()
    {
        QFETCH(int, headerByte);
        QFETCH(double, slicePitch);
        QFETCH(double, layerPitch);
        QFETCH(QList<double>, spacing);
        QFETCH(bool, assumed);
        auto volume = patternVolume(headerByte);
        VolumeSource source{QStringLiteral("/scans/plate 7.vlm"), {}};
        if (slicePitch > 0)
            source.probe.slicePitch = slicePitch;
        if (layerPitch > 0)
            source.probe.layerPitch = layerPitch;

        const NrrdRead nrrd = readNrrd(nrrdFile(*volume, source));
        QCOMPARE(nrrd.magic, QByteArray("NRRD0004"));
        QCOMPARE(nrrd.fields.value("type"), QByteArray("uint8"));
        QCOMPARE(nrrd.fields.value("dimension"), QByteArray("4"));
        QCOMPARE(nrrd.fields.value("sizes"), QByteArray("1 128 40 24"));
        QCOMPARE(nrrd.fields.value("kinds"), QByteArray("scalar domain domain domain"));
        QCOMPARE(nrrd.fields.value("encoding"), QByteArray("raw"));
        QCOMPARE(nrrd.fields.value("space units"), QByteArray("\"mm\" \"mm\" \"mm\""));
        const QByteArray directions = nrrd.fields.value("space directions");
        QVERIFY2(directions.startsWith("none "), directions.constData());
        QCOMPARE(directionLengths(directions.mid(5)), spacing);
        QCOMPARE(nrrd.keyValues.value("source_file"), QByteArray("plate 7.vlm"));
        QCOMPARE(nrrd.keyValues.value("depth_scale_code"), QByteArray::number(headerByte & 3));
        const auto notKnown = [](const QByteArray &comment) { return comment.contains("not known"); };
        QCOMPARE(std::count_if(nrrd.comments.begin(), nrrd.comments.end(), notKnown),
                 int(slicePitch == 0) + int(layerPitch == 0));
        QCOMPARE(nrrd.data, expectedVolumeBytes(*volume));

        const VtiRead vti = readVti(vtiFile(*volume, source));
        QCOMPARE(vti.attributes.value("VTKFile.type"), QStringLiteral("ImageData"));
        QCOMPARE(vti.attributes.value("VTKFile.byte_order"), QStringLiteral("LittleEndian"));
        QCOMPARE(vti.attributes.value("VTKFile.header_type"), QStringLiteral("UInt32"));
        QCOMPARE(vti.attributes.value("ImageData.WholeExtent"), QStringLiteral("0 127 0 39 0 23"));
        QCOMPARE(vti.attributes.value("ImageData.Origin"), QStringLiteral("0 0 0"));
        QList<double> vtiSpacing;
        for (const QString &value : vti.attributes.value("ImageData.Spacing").split(' '))
            vtiSpacing << value.toDouble();
        QCOMPARE(vtiSpacing, spacing);
        QCOMPARE(vti.attributes.value("DataArray.Name"), QStringLiteral("amplitude"));
        QCOMPARE(vti.attributes.value("DataArray.type"), QStringLiteral("UInt8"));
        QCOMPARE(vti.attributes.value("DataArray.format"), QStringLiteral("appended"));
        QCOMPARE(vti.data, expectedVolumeBytes(*volume));
        QVERIFY(vti.afterData.contains("</AppendedData>"));
        QCOMPARE(vtiFile(*volume, source).contains("not known"), assumed);
    }

    void nrrdValuesCannotBreakTheHeader()
    {
        auto volume = patternVolume(0);
        const NrrdRead nrrd = readNrrd(nrrdFile(*volume, {QStringLiteral("/s/two\nlines\\.vlm"), {}}));
        QCOMPARE(nrrd.keyValues.value("source_file"), QByteArray("two\\nlines\\\\.vlm"));
        QCOMPARE(nrrd.data, expectedVolumeBytes(*volume));
    }

    void csvHoldsOneLinePerTraceByte_data()
    {
        QTest::addColumn<int>("headerByte");
        QTest::addColumn<double>("depthStep");
        QTest::newRow("20 mm") << 0 << 1.25;
        QTest::newRow("50 mm") << 1 << 3.125;
        QTest::newRow("100 mm") << 2 << 6.25;
        QTest::newRow("200 mm") << 3 << 12.5;
    }
    void csvHoldsOneLinePerTraceByte()
    {
        QFETCH(int, headerByte);
        QFETCH(double, depthStep);
        auto volume = patternVolume(headerByte);
        const QList<QByteArray> lines = csvFile(*volume).split('\n');
        QCOMPARE(lines.size(), 1 + 122880 + 1);  // the header, the bytes, nothing after the last line feed
        QCOMPARE(lines.first(), QByteArray("layer,slice,depth_mm,amplitude"));
        QVERIFY(lines.last().isEmpty());
        for (int layer = 1; layer <= 24; ++layer) {
            const int slice = layer * 7 % 40;
            const int b = layer * 37 % 128;
            const QByteArray expected = QByteArray::number(layer) + ',' + QByteArray::number(slice + 1) + ','
                                        + QByteArray::number(b * depthStep, 'f', 3) + ','
                                        + QByteArray::number(volume->scan_image[5120 * layer + 128 * slice + b]);
            QCOMPARE(lines[1 + (layer - 1) * 5120 + slice * 128 + b], expected);
        }
        QCOMPARE(lines[122880], "24,40," + QByteArray::number(127 * depthStep, 'f', 3) + ','
                                    + QByteArray::number(volume->scan_image[127999]));
    }

    void csvKeepsTheFullStopInACommaLocale()
    {
        const std::locale previous = std::locale::global(std::locale(std::locale::classic(), new CommaDecimals));
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        const bool systemComma = std::setlocale(LC_ALL, "de_DE.UTF-8") || std::setlocale(LC_ALL, "fr_FR.UTF-8");
        if (!systemComma)
            qInfo("no system locale with a decimal comma is installed: the C++ and Qt locales have one");
        auto volume = patternVolume(1);
        const QList<QByteArray> lines = csvFile(*volume).split('\n');
        std::locale::global(previous);
        QLocale::setDefault(QLocale::c());
        std::setlocale(LC_ALL, "C");
        QCOMPARE(lines[2].split(',')[2], QByteArray("3.125"));
        QCOMPARE(lines[1].split(',').size(), 4);
    }
};

QTEST_GUILESS_MAIN(VolumeFormatsTest)
#include "volume_formats_test.moc"
