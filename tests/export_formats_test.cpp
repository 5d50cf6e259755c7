#include "export_formats.h"
#include "save_choice.h"

#include <QTest>
#include <QtEndian>

#include <memory>

namespace {

const QDateTime kDecemberMorning(QDate(2026, 12, 7), QTime(9, 5, 3), Qt::UTC);

std::unique_ptr<ScanVolume> patternVolume()
{
    auto volume = std::make_unique<ScanVolume>();
    AllocateVolume(*volume, {});
    for (int i = 0; i < ScanLayout::kImageSize; ++i)
        volume->scan_image[i] = static_cast<uint8_t>((i * 5 + i / 128) % 200);
    return volume;
}

// The line of slice and depth row in the ASCII file of layer 1 of a volume
// whose only non-zero byte is the sample of that row.
QByteArray asciiLineOf(int slice, int row, int sample)
{
    auto volume = std::make_unique<ScanVolume>();
    AllocateVolume(*volume, {});
    volume->scan_image[5120 + 128 * slice + row + 1] = static_cast<uint8_t>(sample);
    return asciiLayerFile(*volume, 1).mid((slice * 128 + row) * 24, 24);
}

int u16(const QByteArray &bytes, int at)
{
    return qFromLittleEndian<uint16_t>(bytes.constData() + at);
}

uint32_t u32(const QByteArray &bytes, int at)
{
    return qFromLittleEndian<uint32_t>(bytes.constData() + at);
}

// Reads the strings of a block as a general SEG-2 reader does: each begins
// with the offset of the next, counted from itself, and ends at the terminator.
QStringList standardStrings(const QByteArray &bytes, int at, char terminator)
{
    QStringList strings;
    for (int offset = u16(bytes, at); offset != 0; offset = u16(bytes, at)) {
        const QByteArray entry = bytes.mid(at + 2, offset - 2);
        strings << QString::fromLatin1(entry.left(entry.indexOf(terminator)));
        at += offset;
    }
    return strings;
}

}  // namespace

class ExportFormatsTest : public QObject {
    Q_OBJECT

private slots:
    void seg2FileDescriptor()
    {
        auto volume = patternVolume();
        const QByteArray file = seg2LayerFile(*volume, 5, kDecemberMorning);
        QCOMPARE(file.size(), 23208);
        QCOMPARE(u16(file, 0), 0x3A55);
        QCOMPARE(u16(file, 2), 1);
        QCOMPARE(u16(file, 4), 160);
        QCOMPARE(u16(file, 6), 40);
        QCOMPARE(file.mid(8, 6), QByteArray("\x01\x05\xFF\x01\x0D\xFF", 6));
        QCOMPARE(file.mid(14, 18), QByteArray(18, '\0'));
        for (int i = 0; i < 40; ++i)
            QCOMPARE(u32(file, 32 + 4 * i), uint32_t(448 + 569 * i));
    }

    void seg2StringsCountAsTheInstrumentsReadersExpect()
    {
        auto volume = patternVolume();
        const QByteArray file = seg2LayerFile(*volume, 5, kDecemberMorning);
        const struct {
            int count;
            QByteArray text;
        } entries[] = {{27, "ACQUISITION_DATE 7/12/2026"},
                       {23, "ACQUISITION_TIME 9/5/3"},
                       {23, "INSTRUMENT ORVELTM7340"},
                       {23, "TRACE-SORT AS_ACQUIRED"},
                       {18, "UNITS CENTIMETERS"}};
        int at = 192;
        for (const auto &entry : entries) {
            QCOMPARE(u16(file, at), entry.count);
            QCOMPARE(file.mid(at + 2, entry.count - 1), entry.text);
            QCOMPARE(file.mid(at + 1 + entry.count, 2), QByteArray("\x05\x05"));
            at += entry.count + 3;
        }
        QCOMPARE(u16(file, at), 0);
        QCOMPARE(file.mid(at, 448 - at), QByteArray(448 - at, '\0'));
    }

    void seg2TracesHoldTheDepthRows()
    {
        auto volume = patternVolume();
        const int layer = 5;
        const QByteArray file = seg2LayerFile(*volume, layer, kDecemberMorning);
        for (int i = 0; i < 40; ++i) {
            const int trace = 448 + 569 * i;
            QCOMPARE(u16(file, trace), 0x4422);
            QCOMPARE(u16(file, trace + 2), 56);  // stated; the samples begin at 57
            QCOMPARE(u32(file, trace + 4), uint32_t(512));
            QCOMPARE(u32(file, trace + 8), uint32_t(256));
            QCOMPARE(int(file[trace + 12]), 1);
            QCOMPARE(u16(file, trace + 32), 20);
            QCOMPARE(file.mid(trace + 34, 21), QByteArray("SAMPLE_INTERVAL 0.1\x05\x05"));
            QCOMPARE(u16(file, trace + 55), 0);
            for (int j = 0; j < 128; ++j)
                QCOMPARE(u16(file, trace + 57 + 2 * j), int(volume->scan_image[TraceOffset(layer, i) + j + 1]));
            QCOMPARE(file.mid(trace + 57 + 256, 256), QByteArray(256, '\0'));
        }
        // depth row 127 is the lead byte of the following trace
        QCOMPARE(u16(file, 448 + 57 + 2 * 127), int(volume->scan_image[TraceOffset(layer, 1)]));
    }

    void standardLayoutReadsBackInAGeneralReader()
    {
        auto volume = patternVolume();
        const QByteArray file = seg2StandardLayerFile(*volume, 9, kDecemberMorning);
        QCOMPARE(file.size(), 448 + 40 * 572);
        const char terminator = file[9];
        QCOMPARE(standardStrings(file, 32 + u16(file, 4), terminator),
                 (QStringList{"ACQUISITION_DATE 07/DEC/2026", "ACQUISITION_TIME 09:05:03", "INSTRUMENT ORVELTM7340",
                              "TRACE_SORT AS_ACQUIRED", "UNITS CENTIMETERS"}));
        for (int i = 0; i < u16(file, 6); ++i) {
            const uint32_t pointer = u32(file, 32 + 4 * i);
            QCOMPARE(pointer % 4, uint32_t(0));
            QCOMPARE(u16(file, pointer), 0x4422);
            const int stated = u16(file, pointer + 2);
            QCOMPARE(stated % 4, 0);
            QCOMPARE(standardStrings(file, pointer + 32, terminator), QStringList{"SAMPLE_INTERVAL 0.1"});
            const int samples = static_cast<int>(u32(file, pointer + 8));
            QCOMPARE(samples, 256);
            for (int j = 0; j < 128; ++j)
                QCOMPARE(u16(file, pointer + stated + 2 * j), int(volume->scan_image[TraceOffset(9, i) + j + 1]));
            QCOMPARE(u16(file, pointer + stated + 2 * 200), 0);
        }
    }

    void layerFileNames_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("extension");
        QTest::addColumn<QString>("name");
        QTest::newRow("usual SEG-2") << "/scans/plate.dat" << 1 << ".dat" << "/scans/plate1.dat";
        QTest::newRow("usual ASCII") << "/scans/plate.asc" << 0 << ".asc" << "/scans/plate0.asc";
        QTest::newRow("upper case") << "/scans/a.DAT" << 24 << ".dat" << "/scans/a24.DAT";
        QTest::newRow("no extension") << "/scans/scan" << 3 << ".dat" << "/scans/scan3.dat";
        QTest::newRow("folder named like the extension") << "/x.dat/scan.dat" << 2 << ".dat" << "/x.dat/scan2.dat";
        QTest::newRow("folder named like it, file without") << "/x.dat/scan" << 2 << ".dat" << "/x.dat/scan2.dat";
        QTest::newRow("other extension") << "/scans/notes.txt" << 4 << ".asc" << "/scans/notes.txt4.asc";
        QTest::newRow("extension inside the name") << "/s/a.dat.bak" << 1 << ".dat" << "/s/a.dat.bak1.dat";
    }
    void layerFileNames()
    {
        QFETCH(QString, chosen);
        QFETCH(int, number);
        QFETCH(QString, extension);
        QFETCH(QString, name);
        QCOMPARE(layerFileName(chosen, number, extension), name);
    }

    void asciiLines_data()
    {
        QTest::addColumn<int>("slice");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("sample");
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("example") << 0 << 5 << 42 << QByteArray("  0.000   5.000  42.000\n");
        QTest::newRow("widest") << 39 << 127 << 128 << QByteArray(" 39.000 127.000 128.000\n");
        QTest::newRow("small") << 1 << 0 << 5 << QByteArray("  1.000   0.000   5.000\n");
    }
    void asciiLines()
    {
        QFETCH(int, slice);
        QFETCH(int, row);
        QFETCH(int, sample);
        QFETCH(QByteArray, line);
        QCOMPARE(asciiLineOf(slice, row, sample), line);
    }

    void asciiLayerFilesHoldEveryDepthRow_data()
    {
        QTest::addColumn<int>("layer");
        QTest::newRow("first") << 1;
        QTest::newRow("last, reaching into the tail") << 24;
    }
    void asciiLayerFilesHoldEveryDepthRow()
    {
        QFETCH(int, layer);
        auto volume = patternVolume();
        QByteArray expected;
        for (int slice = 0; slice < 40; ++slice)
            for (int row = 0; row < 128; ++row)
                expected += QString::asprintf("%7.3f %7.3f %7.3f\n", double(slice), double(row),
                                              double(volume->scan_image[5120 * layer + 128 * slice + row + 1]))
                                .toLatin1();
        QCOMPARE(asciiLayerFile(*volume, layer), expected);
    }

    void asciiLinesIgnoreTheLocale()
    {
        if (!std::setlocale(LC_ALL, "de_DE.UTF-8") && !std::setlocale(LC_ALL, "fr_FR.UTF-8"))
            QSKIP("no locale with a decimal comma is installed");
        QCOMPARE(asciiLineOf(0, 5, 42), QByteArray("  0.000   5.000  42.000\n"));
        std::setlocale(LC_ALL, "C");
    }

    void prepareImageForSave()
    {
        auto volume = patternVolume();
        volume->scan_image[5119] = 200;
        volume->scan_image[5120] = 90;   // a lead byte
        volume->scan_image[5121] = 128;
        volume->scan_image[5250] = 255;
        volume->scan_image[131027] = 200;
        volume->scan_image[131028] = 200;
        PrepareImageForSave(*volume, 5120, 131027);
        QCOMPARE(int(volume->scan_image[5119]), 200);  // before the range
        QCOMPARE(int(volume->scan_image[5120]), 0);
        QCOMPARE(int(volume->scan_image[5121]), 127);
        QCOMPARE(int(volume->scan_image[5250]), 127);
        QCOMPARE(int(volume->scan_image[5248]), 0);
        QCOMPARE(int(volume->scan_image[131027]), 127);
        QCOMPARE(int(volume->scan_image[131028]), 200);  // after it
        QVERIFY_THROWS_EXCEPTION(RangeError, PrepareImageForSave(*volume, 131000, 131400));
    }

    // A scan is never written as CSV text because CSV was still the chosen type.
    void theTypedExtensionDecidesWhatIsSaved_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("chosen");
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("form");
        QTest::addColumn<bool>("foreign");
        const int scan = int(SavedForm::ScanFile);
        const int csv = int(SavedForm::Csv);
        QTest::newRow("scan name, CSV chosen") << "/d/copy.vlm" << csv << "/d/copy.vlm" << scan << false;
        QTest::newRow("SEG-2") << "/d/a.dat" << scan << "/d/a.dat" << int(SavedForm::Seg2) << false;
        QTest::newRow("ASCII") << "/d/a.asc" << csv << "/d/a.asc" << int(SavedForm::Ascii) << false;
        QTest::newRow("NumPy") << "/d/a.npy" << scan << "/d/a.npy" << int(SavedForm::Npy) << false;
        QTest::newRow("NRRD in capitals") << "/d/A.NRRD" << scan << "/d/A.NRRD" << int(SavedForm::Nrrd) << false;
        QTest::newRow("VTK image") << "/d/a.b.vti" << scan << "/d/a.b.vti" << int(SavedForm::Vti) << false;
        QTest::newRow("CSV") << "/d/a.csv" << scan << "/d/a.csv" << csv << false;
        QTest::newRow("no extension, scan") << "/d/copy" << scan << "/d/copy.vlm" << scan << false;
        QTest::newRow("no extension, SEG-2") << "/d/copy" << int(SavedForm::Seg2) << "/d/copy.dat"
                                             << int(SavedForm::Seg2) << false;
        QTest::newRow("dot in the folder only") << "/d/x.dat/copy" << csv << "/d/x.dat/copy.csv" << csv << false;
        QTest::newRow("hidden file") << "/d/.copy" << scan << "/d/.copy.vlm" << scan << false;
        QTest::newRow("other extension") << "/d/copy.txt" << csv << "/d/copy.txt" << csv << true;
        QTest::newRow("extension within the name") << "/d/copy.vlm.bak" << scan << "/d/copy.vlm.bak" << scan
                                                   << true;
        QTest::newRow("ending in a dot") << "/d/copy." << scan << "/d/copy." << scan << true;
    }
    void theTypedExtensionDecidesWhatIsSaved()
    {
        QFETCH(QString, typed);
        QFETCH(int, chosen);
        QFETCH(QString, path);
        QFETCH(int, form);
        QFETCH(bool, foreign);
        const SaveChoice choice = saveChoiceFor(typed, SavedForm(chosen));
        QCOMPARE(choice.path, path);
        QCOMPARE(int(choice.form), form);
        QCOMPARE(choice.foreignExtension, foreign);
    }
};

QTEST_GUILESS_MAIN(ExportFormatsTest)
#include "export_formats_test.moc"
