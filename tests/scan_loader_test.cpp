#include "scan_loader.h"

#include <QBuffer>
#include <QRandomGenerator>
#include <QTest>

#include <memory>

namespace {

constexpr int kImage = ScanLayout::kImageSize;

QByteArray scanFile(const QByteArray &image, const QByteArray &headerTail = QByteArray(9, '\0'))
{
    return QByteArrayLiteral("VLMv1.0") + headerTail + image;
}

QByteArray patternImage()
{
    QByteArray image(kImage, '\0');
    for (int i = 0; i < kImage; ++i)
        image[i] = static_cast<char>((i * 7 + i / 128) % 120);
    return image;
}

std::unique_ptr<ScanVolume> emptyVolume()
{
    auto volume = std::make_unique<ScanVolume>();
    AllocateVolume(*volume, {});
    return volume;
}

ScanFileRead load(ScanVolume &volume, QByteArray bytes)
{
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    const ScanFileRead read = readScanFileInto(buffer, volume);
    smoothLoadedImage(volume);
    return read;
}

// Smoothed points: layers 1..23, slices 1..38, trace bytes 1..126.
bool isSmoothedPoint(int index)
{
    if (index < ScanLayout::kHeaderBlockSize || index >= ScanLayout::kTailStart - ScanLayout::kLayerStride)
        return false;
    const int inLayer = (index - ScanLayout::kHeaderBlockSize) % ScanLayout::kLayerStride;
    const int slice = inLayer / 128;
    const int byte = inLayer % 128;
    return slice >= 1 && slice <= 38 && byte >= 1 && byte <= 126;
}

}  // namespace

class ScanLoaderTest : public QObject {
    Q_OBJECT

private slots:
    void exactFileLoadsWhateverBytes7To15Hold()
    {
        auto volume = emptyVolume();
        const QByteArray image = patternImage();
        const ScanFileRead read = load(*volume, scanFile(image, QByteArray(9, '\xAB')));
        QVERIFY(read.magicMatches);
        QCOMPARE(read.imageBytesRead, kImage);
        QVERIFY(std::equal(image.begin(), image.end(), volume->raw_image.data()));
    }

    void aLongerFileLoadsAsItsFirstBytes()
    {
        auto exact = emptyVolume();
        auto longer = emptyVolume();
        const QByteArray file = scanFile(patternImage());
        load(*exact, file);
        const ScanFileRead read = load(*longer, file + QByteArray(5000, '\x7F'));
        QCOMPARE(read.imageBytesRead, kImage);
        QVERIFY(std::equal(exact->raw_image.data(), exact->raw_image.data() + 131073, longer->raw_image.data()));
        QVERIFY(std::equal(exact->scan_image.data(), exact->scan_image.data() + 131374, longer->scan_image.data()));
    }

    void smoothingWeighsTheStencil_data()
    {
        QTest::addColumn<int>("centre");
        QTest::addColumn<int>("deeper");
        QTest::addColumn<int>("shallower");
        QTest::addColumn<int>("previousSlice");
        QTest::addColumn<int>("nextSlice");
        QTest::addColumn<int>("nextLayer");
        QTest::addColumn<int>("shown");
        QTest::newRow("sum 64") << 10 << 3 << 5 << 7 << 1 << 4 << 6;
        QTest::newRow("sum 19 cut to 1") << 4 << 1 << 1 << 1 << 0 << 0 << 1;
        QTest::newRow("sum 20") << 5 << 0 << 0 << 0 << 0 << 0 << 2;
        QTest::newRow("sum 29 cut to 2") << 5 << 3 << 3 << 3 << 0 << 0 << 2;
        QTest::newRow("next layer counts twice") << 0 << 0 << 0 << 0 << 0 << 50 << 10;
        QTest::newRow("all 255 gives 128") << 255 << 255 << 255 << 255 << 255 << 255 << 128;
    }
    void smoothingWeighsTheStencil()
    {
        QFETCH(int, centre);
        QFETCH(int, deeper);
        QFETCH(int, shallower);
        QFETCH(int, previousSlice);
        QFETCH(int, nextSlice);
        QFETCH(int, nextLayer);
        QFETCH(int, shown);
        QByteArray image(kImage, '\0');
        const int p = TraceOffset(5, 10) + 60;
        image[p] = static_cast<char>(centre);
        image[p + 1] = static_cast<char>(deeper);
        image[p - 1] = static_cast<char>(shallower);
        image[p - 128] = static_cast<char>(previousSlice);
        image[p + 128] = static_cast<char>(nextSlice);
        image[p + 5120] = static_cast<char>(nextLayer);
        image[p - 5120] = static_cast<char>(200);  // the preceding layer does not count
        auto volume = emptyVolume();
        load(*volume, scanFile(image));
        QCOMPARE(int(volume->scan_image[p]), shown);
        QCOMPARE(int(volume->raw_image[p]), centre);
    }

    void pointsTheStencilDoesNotReachKeepTheFilesValues()
    {
        QByteArray image(kImage, '\xC8');  // 200 everywhere: every smoothed point shows 128
        auto volume = emptyVolume();
        load(*volume, scanFile(image));
        QCOMPARE(int(volume->scan_image[TraceOffset(24, 20) + 60]), 200);  // layer 24
        QCOMPARE(int(volume->scan_image[TraceOffset(3, 0) + 60]), 200);    // slice 0
        QCOMPARE(int(volume->scan_image[TraceOffset(3, 39) + 60]), 200);   // slice 39
        QCOMPARE(int(volume->scan_image[TraceOffset(3, 20)]), 200);        // trace byte 0
        QCOMPARE(int(volume->scan_image[TraceOffset(3, 20) + 127]), 200);  // trace byte 127
        QCOMPARE(int(volume->scan_image[2052]), 200);                      // header
        QCOMPARE(int(volume->scan_image[130000]), 200);                    // tail
        QCOMPARE(int(volume->scan_image[TraceOffset(3, 20) + 60]), 128);
    }

    void aWrongMagicReadsNothing_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("six bytes of the magic") << QByteArray("VLMv1.");
        QTest::newRow("lower case") << scanFile(patternImage()).replace(0, 3, "vlm");
        QTest::newRow("other file") << QByteArray(131088, 'Z');
    }
    void aWrongMagicReadsNothing()
    {
        QFETCH(QByteArray, file);
        auto volume = emptyVolume();
        volume->raw_image[9000] = 33;
        volume->scan_image[9000] = 44;
        const ScanFileRead read = load(*volume, file);
        QVERIFY(!read.magicMatches);
        QCOMPARE(read.imageBytesRead, 0);
        QCOMPARE(int(volume->raw_image[9000]), 33);
        // the smoothing rebuilds its points from the unchanged raw image
        QCOMPARE(int(volume->scan_image[9000]), 33 * 4 / 10);
    }

    // A short file after another scan: what it holds is read, what it does
    // not reach is empty in the raw and the shown image, never the scan before.
    void aShortFileKeepsTheBytesItHadAndClearsTheRest_data()
    {
        QTest::addColumn<int>("arrived");
        QTest::newRow("within the header block") << 84;
        QTest::newRow("within layer 24") << 5120 + 23 * 5120 + 1000;
        QTest::newRow("one byte short") << kImage - 1;
    }
    void aShortFileKeepsTheBytesItHadAndClearsTheRest()
    {
        QFETCH(int, arrived);
        auto volume = emptyVolume();
        std::fill_n(volume->raw_image.data(), 131073, uint8_t{9});
        std::fill_n(volume->scan_image.data(), 131374, uint8_t{9});
        const ScanFileRead read = load(*volume, scanFile(patternImage()).left(16 + arrived));
        QVERIFY(read.magicMatches);
        QCOMPARE(read.imageBytesRead, arrived);
        QCOMPARE(int(volume->raw_image[arrived - 1]), ((arrived - 1) * 7 + (arrived - 1) / 128) % 120);
        for (int i = arrived; i < kImage; ++i) {
            QCOMPARE(int(volume->raw_image[i]), 0);
            if (!isSmoothedPoint(i))
                QCOMPARE(int(volume->scan_image[i]), 0);
        }
        QCOMPARE(int(volume->scan_image[131100]), 9);  // beyond the image: spare
    }

    void anUnallocatedVolumeIsARangeError()
    {
        ScanVolume volume;
        QByteArray file = scanFile(patternImage());
        QBuffer buffer(&file);
        buffer.open(QIODevice::ReadOnly);
        QVERIFY_THROWS_EXCEPTION(RangeError, readScanFileInto(buffer, volume));
        QVERIFY_THROWS_EXCEPTION(RangeError, smoothLoadedImage(volume));
    }

    // Whatever a file holds, the load changes the volume only as it should.
    void randomFilesChangeTheVolumeExactlyAsTheyShould()
    {
        QRandomGenerator random(7340);
        auto volume = emptyVolume();
        for (int round = 0; round < 200; ++round) {
            const int length = random.bounded(0, 140000);
            QByteArray file(length, '\0');
            random.fillRange(reinterpret_cast<quint32 *>(file.data()), length / 4);
            if (random.bounded(4) != 0 && length >= 7)
                file.replace(0, 7, "VLMv1.0");
            for (int i = 0; i < 131374; ++i)
                volume->scan_image[i] = static_cast<uint8_t>(random.bounded(256));
            for (int i = 0; i < 131073; ++i)
                volume->raw_image[i] = static_cast<uint8_t>(random.bounded(256));
            const auto rawBefore = std::vector<uint8_t>(volume->raw_image.data(), volume->raw_image.data() + 131073);
            const auto shownBefore =
                std::vector<uint8_t>(volume->scan_image.data(), volume->scan_image.data() + 131374);

            const ScanFileRead read = load(*volume, file);

            const bool magic = file.startsWith("VLMv1.0");
            QCOMPARE(read.magicMatches, magic);
            const int arrived = magic ? std::clamp(length - 16, 0, kImage) : 0;
            QCOMPARE(read.imageBytesRead, arrived);
            // a short scan file clears what it does not reach
            const auto cleared = [&](int i) { return magic && i >= arrived && i < kImage; };
            for (int i = 0; i < 131073; ++i) {
                const uint8_t raw =
                    i < arrived ? static_cast<uint8_t>(file[16 + i]) : cleared(i) ? uint8_t{0} : rawBefore[i];
                QCOMPARE(volume->raw_image[i], raw);
                if (isSmoothedPoint(i))
                    QVERIFY(volume->scan_image[i] <= 128);
                else if (i <= ScanLayout::kHeaderBlockSize)
                    QCOMPARE(volume->scan_image[i], raw);
                else
                    QCOMPARE(volume->scan_image[i], i < arrived || cleared(i) ? raw : shownBefore[i]);
            }
            for (int i = 131073; i < 131374; ++i)
                QCOMPARE(volume->scan_image[i], shownBefore[i]);
        }
    }
};

QTEST_GUILESS_MAIN(ScanLoaderTest)
#include "scan_loader_test.moc"
