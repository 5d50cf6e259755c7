#include "fake_serial_port.h"
#include "instrument_stream.h"
#include "receive_session.h"

#include <QTest>

namespace {

std::vector<uint8_t> patternImage()
{
    std::vector<uint8_t> image(131072);
    for (std::size_t i = 0; i < image.size(); ++i)
        image[i] = static_cast<uint8_t>((i * 7 + i / 256) % 251);
    return image;
}

std::vector<uint8_t> streamOf(const std::vector<uint8_t> &image, int corruptBlock = -1, std::size_t bytes = 131072)
{
    std::vector<uint8_t> stream =
        instrumentStream(std::span<const uint8_t, 131072>(image.data(), image.size()), corruptBlock);
    stream.resize(bytes, 0x77);
    return stream;
}

struct Receive {
    FakeSerialPort port;
    ReceiveSession session{port, [this](int ms) { port.log()->append(QStringLiteral("delay %1").arg(ms)); }};

    void startDirect() { QVERIFY(session.start(QStringLiteral("/dev/ttyFAKE"), false)); }
};

}  // namespace

class ReceiveProtocolTest : public QObject {
    Q_OBJECT

private slots:
    void aCompleteStreamCompletes()
    {
        const auto image = patternImage();
        Receive receive;
        receive.startDirect();
        receive.port.arrive(streamOf(image));
        const ReceiveSession::Step step = receive.session.step();
        QVERIFY(step.dataArrived);
        QCOMPARE(step.outcome, ReceiveProtocol::Outcome::Completed);
        const ReceiveProtocol &protocol = receive.session.protocol();
        QCOMPARE(protocol.received_count(), 131072);
        QCOMPARE(protocol.progressPercent(), 99);
        QVERIFY(!receive.port.isOpen());
    }

    void blocksArePlacedFromTheEndOfTheImage()
    {
        const auto image = patternImage();
        ReceiveProtocol protocol;
        protocol.start();
        const auto stream = streamOf(image);
        protocol.feed(stream.data(), static_cast<int64_t>(stream.size()));
        const std::vector<uint8_t> &received = protocol.image();
        // block 0: the image's last 256 bytes; its checksum lands on index 131,072
        for (int i = 130817; i < 131072; ++i)
            QCOMPARE(received[static_cast<std::size_t>(i)], image[static_cast<std::size_t>(i)]);
        QCOMPARE(received[131072], stream[256]);
        // block 1: the 256 below; block 2's checksum lands on its first index...
        for (int i = 130561; i < 130816; ++i)
            QCOMPARE(received[static_cast<std::size_t>(i)], image[static_cast<std::size_t>(i)]);
        QCOMPARE(received[130560], stream[2 * 257 + 256]);
        // ...and block 1's checksum on the first index of block 0
        QCOMPARE(received[130816], stream[257 + 256]);
        // block 510: its first two bytes only, at 256 and 257
        QCOMPARE(received[256], image[256]);
        QCOMPARE(received[257], image[257]);
        QCOMPARE(received[258], uint8_t(0));
        QCOMPARE(received[255], uint8_t(0));
        QCOMPARE(received[511], uint8_t(0));
        QCOMPARE(received[768], stream[509 * 257 + 256]);   // block 509's checksum on block 508's first index
        QCOMPARE(received[512], image[512]);  // block 510's checksum never came
    }

    void onlyTheFirstNineChecksumsAreVerified_data()
    {
        QTest::addColumn<int>("block");
        QTest::addColumn<bool>("fails");
        QTest::newRow("block 0") << 0 << true;
        QTest::newRow("block 8") << 8 << true;
        QTest::newRow("block 9 is accepted") << 9 << false;
        QTest::newRow("block 300 is accepted") << 300 << false;
    }
    void onlyTheFirstNineChecksumsAreVerified()
    {
        QFETCH(int, block);
        QFETCH(bool, fails);
        const auto image = patternImage();
        Receive receive;
        receive.startDirect();
        receive.port.arrive(streamOf(image, block));
        const ReceiveSession::Step step = receive.session.step();
        QCOMPARE(step.outcome,
                 fails ? ReceiveProtocol::Outcome::ChecksumFailed : ReceiveProtocol::Outcome::Completed);
        QVERIFY(!receive.port.isOpen());
        if (fails)
            QCOMPARE(receive.session.protocol().received_count(), block * 257 + 256);
    }

    // Every checksum is looked at: a wrong one after the first nine blocks
    // keeps the scan and is counted for the warning.
    void laterWrongChecksumsAreCounted_data()
    {
        QTest::addColumn<QList<int>>("blocks");
        QTest::addColumn<QString>("warning");
        QTest::newRow("none") << QList<int>{} << QString();
        QTest::newRow("block 9") << QList<int>{9}
                                 << "Checksum wrong in 1 of the later blocks (first: block 9): the scan may be damaged.";
        QTest::newRow("blocks 509, 100 and 300")
            << QList<int>{509, 100, 300}
            << "Checksum wrong in 3 of the later blocks (first: block 100): the scan may be damaged.";
    }
    void laterWrongChecksumsAreCounted()
    {
        QFETCH(QList<int>, blocks);
        QFETCH(QString, warning);
        const auto image = patternImage();
        std::vector<uint8_t> stream = instrumentStream(std::span<const uint8_t, 131072>(image.data(), image.size()),
                                                       std::span<const int>(blocks.data(), blocks.size()));
        ReceiveProtocol protocol;
        protocol.start();
        QCOMPARE(protocol.feed(stream.data(), 131072), ReceiveProtocol::Outcome::Completed);
        QCOMPARE(protocol.laterChecksumErrors(), int(blocks.size()));
        QCOMPARE(laterChecksumWarning(protocol), warning);
        // a new receive starts with none
        protocol.start();
        QCOMPARE(laterChecksumWarning(protocol), QString());
    }

    void aWrongFirstChecksumStopsAfter257Bytes()
    {
        const auto image = patternImage();
        ReceiveProtocol protocol;
        protocol.start();
        const auto stream = streamOf(image, 0);
        QCOMPARE(protocol.feed(stream.data(), 300), ReceiveProtocol::Outcome::ChecksumFailed);
        QCOMPARE(protocol.received_count(), 256);
        QCOMPARE(protocol.image()[131072], stream[256]);  // the wrong checksum was placed before it was examined
        QCOMPARE(protocol.image()[130560], uint8_t(0));    // nothing after it
    }

    void bytesAfterTheLastAreIgnoredAndThePortClosesInThatTick()
    {
        const auto image = patternImage();
        Receive receive;
        receive.startDirect();
        receive.port.arrive(streamOf(image, -1, 131072 + 500));
        QCOMPARE(receive.session.step().outcome, ReceiveProtocol::Outcome::Completed);
        QCOMPARE(receive.port.log()->last(), QStringLiteral("close"));
        QCOMPARE(receive.session.protocol().received_count(), 131072);
        QCOMPARE(receive.session.protocol().image()[258], uint8_t(0));
        // later bytes are not read at all
        receive.port.arrive({1, 2, 3});
        QVERIFY(!receive.session.step().dataArrived);
    }

    void theStreamMayArriveInPieces()
    {
        const auto image = patternImage();
        const auto stream = streamOf(image);
        Receive receive;
        receive.startDirect();
        QVERIFY(!receive.session.step().dataArrived);  // nothing queued: the LED goes off
        for (std::size_t at = 0; at < stream.size(); at += 1150) {
            receive.port.arrive(std::vector<uint8_t>(stream.begin() + static_cast<long>(at),
                                                     stream.begin() + static_cast<long>(std::min(at + 1150, stream.size()))));
            const ReceiveSession::Step step = receive.session.step();
            QVERIFY(step.dataArrived);
        }
        QCOMPARE(receive.session.protocol().outcome(), ReceiveProtocol::Outcome::Completed);
    }

    void directModeSetsUpThePort()
    {
        Receive receive;
        receive.startDirect();
        QCOMPARE(*receive.port.log(),
                 (QStringList{"open /dev/ttyFAKE", "getState", "setState 115200 8N1", "escape 5"}));
    }

    void adapterModeOrderOfCalls()
    {
        Receive receive;
        receive.port.arrive({0x31, 0x32});  // the adapter's answer, thrown away
        QVERIFY(receive.session.start(QStringLiteral("/dev/ttyFAKE"), true));
        QCOMPARE(*receive.port.log(),
                 (QStringList{"open /dev/ttyFAKE", "getState", "setState 9600 8N1", "getReadTimeouts",
                              "setReadTimeouts 0 0 0", "setQueueSizes 50000 50000", "escape 4", "escape 6",
                              "escape 13", "delay 100", "escape 3", "escape 6", "escape 12", "delay 50", "escape 5",
                              "escape 13", "delay 100", "escape 5", "escape 4", "delay 1", "write 10", "delay 100",
                              "escape 3", "delay 50", "setState 115200 8N1", "delay 50", "read 2", "delay 50"}));
        QVERIFY(!receive.session.step().dataArrived);
    }

    void refusedModemLinesAreTolerated()
    {
        const auto image = patternImage();
        Receive receive;
        receive.port.refusesModemLines = true;
        QVERIFY(receive.session.start(QStringLiteral("/dev/ttyFAKE"), true));
        receive.port.arrive(streamOf(image));
        QCOMPARE(receive.session.step().outcome, ReceiveProtocol::Outcome::Completed);
    }

    void aPortThatCannotBeOpenedIsTold()
    {
        Receive receive;
        receive.port.opens = false;
        QVERIFY(!receive.session.start(QStringLiteral("/dev/ttyNONE"), false));
        QCOMPARE(receive.session.errorString(), QStringLiteral("No such file or directory"));
        QVERIFY(!receive.session.step().dataArrived);
    }

    void elapsedTime_data()
    {
        QTest::addColumn<QTime>("start");
        QTest::addColumn<QTime>("now");
        QTest::addColumn<QString>("text");
        QTest::newRow("a minute and five seconds") << QTime(10, 0, 0) << QTime(10, 1, 5) << "0:1:5";
        QTest::newRow("seconds borrow a minute") << QTime(10, 0, 50) << QTime(10, 1, 5) << "0:0:15";
        QTest::newRow("minutes borrow an hour") << QTime(10, 59, 0) << QTime(11, 2, 0) << "0:3:0";
        QTest::newRow("across midnight") << QTime(23, 59, 50) << QTime(0, 1, 5) << "0:1:15";
        QTest::newRow("hours across midnight") << QTime(22, 30, 0) << QTime(1, 45, 30) << "3:15:30";
    }
    void elapsedTime()
    {
        QFETCH(QTime, start);
        QFETCH(QTime, now);
        QFETCH(QString, text);
        QCOMPARE(elapsedTimeText(start, now), text);
    }
};

QTEST_GUILESS_MAIN(ReceiveProtocolTest)
#include "receive_protocol_test.moc"
