// Plays a scan file as the M7340 sends it: blocks of 256 data bytes and a
// checksum byte, paced like a serial line, over a serial device or over a
// pseudo-terminal of its own whose device path it prints first.
//
//   instrument-simulator FILE.vlm (--device PATH | --pty) [--baud N]
//       [--corrupt-block K[,K...]] [--stop-after N] [--extra N] [--wait-ms N]
//       [--linger-ms N]

#include "instrument_stream.h"
#include "scan_file_reader.h"

#include <QCoreApplication>
#include <QFile>

#include <chrono>
#include <cstdio>
#include <fcntl.h>
#include <pty.h>
#include <termios.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

constexpr int kCountedBytes = 131072;
constexpr uint8_t kExtraByte = 0xA5;

struct Options {
    QString file;
    QString device;
    bool pty = false;
    int baud = 115200;
    std::vector<int> corruptBlocks;
    long stopAfter = -1;
    long extra = 0;
    int waitMs = 0;
    int lingerMs = 2000;
};

// "K" or "K,K,...": the blocks, numbered from 0, whose checksum is spoiled.
bool parseBlocks(const QString &text, std::vector<int> &blocks)
{
    for (const QString &item : text.split(QLatin1Char(','))) {
        bool ok = false;
        blocks.push_back(item.toInt(&ok));
        if (!ok)
            return false;
    }
    return true;
}

bool parse(const QStringList &arguments, Options &options)
{
    for (int i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        const bool hasValue = i + 1 < arguments.size();
        bool ok = true;
        if (argument == QLatin1String("--pty"))
            options.pty = true;
        else if (argument == QLatin1String("--device") && hasValue)
            options.device = arguments[++i];
        else if (argument == QLatin1String("--baud") && hasValue)
            options.baud = arguments[++i].toInt(&ok);
        else if (argument == QLatin1String("--corrupt-block") && hasValue)
            ok = parseBlocks(arguments[++i], options.corruptBlocks);
        else if (argument == QLatin1String("--stop-after") && hasValue)
            options.stopAfter = arguments[++i].toLong(&ok);
        else if (argument == QLatin1String("--extra") && hasValue)
            options.extra = arguments[++i].toLong(&ok);
        else if (argument == QLatin1String("--wait-ms") && hasValue)
            options.waitMs = arguments[++i].toInt(&ok);
        else if (argument == QLatin1String("--linger-ms") && hasValue)
            options.lingerMs = arguments[++i].toInt(&ok);
        else if (!argument.startsWith(QLatin1String("--")) && options.file.isEmpty())
            options.file = argument;
        else
            return false;
        if (!ok)
            return false;
    }
    return !options.file.isEmpty() && options.pty != !options.device.isEmpty() && options.baud > 0;
}

void makeRaw(int descriptor)
{
    termios settings{};
    if (tcgetattr(descriptor, &settings) == 0) {
        cfmakeraw(&settings);
        cfsetspeed(&settings, B115200);
        tcsetattr(descriptor, TCSANOW, &settings);
    }
}

// The bytes to send: the counted stream, then any extra bytes, cut where asked.
std::vector<uint8_t> bytesToSend(const std::vector<uint8_t> &image, const Options &options)
{
    std::vector<uint8_t> stream = instrumentStream(
        std::span<const uint8_t, ScanLayout::kImageSize>(image.data(), ScanLayout::kImageSize), options.corruptBlocks);
    stream.resize(kCountedBytes + static_cast<std::size_t>(options.extra), kExtraByte);
    if (options.stopAfter >= 0 && static_cast<std::size_t>(options.stopAfter) < stream.size())
        stream.resize(static_cast<std::size_t>(options.stopAfter));
    return stream;
}

// Writes the bytes at the pace of the line: a character is ten bits.
bool send(int descriptor, const std::vector<uint8_t> &bytes, int baud)
{
    using Clock = std::chrono::steady_clock;
    const auto start = Clock::now();
    const double bytesPerSecond = baud / 10.0;
    std::size_t sent = 0;
    while (sent < bytes.size()) {
        const double elapsed = std::chrono::duration<double>(Clock::now() - start).count();
        const auto due = std::min(bytes.size(), static_cast<std::size_t>(elapsed * bytesPerSecond) + 1);
        if (due > sent) {
            const ssize_t written = ::write(descriptor, bytes.data() + sent, due - sent);
            if (written < 0)
                return false;
            sent += static_cast<std::size_t>(written);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

}  // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    Options options;
    if (!parse(arguments, options)) {
        std::fprintf(stderr, "usage: instrument-simulator FILE.vlm (--device PATH | --pty) [--baud N] "
                             "[--corrupt-block K[,K...]] [--stop-after N] [--extra N] [--wait-ms N] [--linger-ms N]\n");
        return 2;
    }
    QFile file(options.file);
    std::vector<uint8_t> image(ScanLayout::kImageSize, 0);
    if (!file.open(QIODevice::ReadOnly)
        || !readScanFile(file, std::span<uint8_t, ScanLayout::kImageSize>(image.data(), image.size())).magicMatches) {
        std::fprintf(stderr, "instrument-simulator: %s is not a readable scan file\n", qPrintable(options.file));
        return 1;
    }

    int descriptor = -1;
    int slave = -1;
    if (options.pty) {
        char name[256] = {};
        if (openpty(&descriptor, &slave, name, nullptr, nullptr) != 0) {
            std::perror("instrument-simulator: openpty");
            return 1;
        }
        makeRaw(slave);  // kept open, so that nothing written is lost before the receiver opens it
        std::printf("%s\n", name);
        std::fflush(stdout);
    } else {
        descriptor = ::open(options.device.toLocal8Bit().constData(), O_RDWR | O_NOCTTY);
        if (descriptor < 0) {
            std::perror("instrument-simulator: open");
            return 1;
        }
        makeRaw(descriptor);
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(options.waitMs));
    const bool sent = send(descriptor, bytesToSend(image, options), options.baud);
    if (options.pty)
        std::this_thread::sleep_for(std::chrono::milliseconds(options.lingerMs));
    ::close(descriptor);
    if (slave >= 0)
        ::close(slave);
    return sent ? 0 : 1;
}
