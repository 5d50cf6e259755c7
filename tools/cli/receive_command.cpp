// velmora-cli receive (--port N | --device PATH) [--adapter] --output FILE.vlm
// [--force] [--timeout SECONDS]: the receive of "Receive data" without a
// window, progress on standard error.

#include "cli_commands.h"

#include "com_ports.h"
#include "command_line.h"
#include "receive_session.h"
#include "received_scan.h"
#include "termios_serial_port.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QThread>

#include <memory>

namespace {

const QString kFileExists = QStringLiteral("File exist ! Overwrite ?");
const QString kChecksumFailure = QStringLiteral("CRC error ! Repeat transmission.");
constexpr int kStepMilliseconds = 100;
constexpr int kDefaultTimeoutSeconds = 60;
constexpr int kLongestTimeoutSeconds = 24 * 60 * 60;

struct ReceiveOptions {
    QString device;
    QString portName;
    bool adapter = false;
    QString output;
    bool force = false;
    int timeoutSeconds = kDefaultTimeoutSeconds;
};

std::optional<ReceiveOptions> parseReceive(const QStringList &arguments)
{
    CommandLine line(arguments);
    ReceiveOptions options;
    const bool portGiven = arguments.contains(QStringLiteral("--port"));
    const auto port = line.takeInteger(QStringLiteral("--port"), 0, 1, kComPortCount);
    const auto device = line.takeValue(QStringLiteral("--device"));
    const auto output = line.takeValue(QStringLiteral("--output"));
    const auto timeout = line.takeInteger(QStringLiteral("--timeout"), kDefaultTimeoutSeconds, 1, kLongestTimeoutSeconds);
    options.adapter = line.takeFlag(QStringLiteral("--adapter"));
    options.force = line.takeFlag(QStringLiteral("--force"));
    if (!line.nothingLeft())
        return std::nullopt;
    options.timeoutSeconds = *timeout;
    if (portGiven) {
        options.portName = comPortName(*port);
        options.device = comDevicePath(comPortIndex(options.portName), QString());
    }
    if (device) {
        options.device = *device;
        options.portName = *device;
    }
    if (!output || portGiven == device.has_value() || options.device.isEmpty()) {
        reportFailure(QStringLiteral("usage: velmora-cli receive (--port 1..4 | --device PATH) [--adapter] "
                                     "--output FILE.vlm [--force] [--timeout SECONDS]"));
        return std::nullopt;
    }
    options.output = *output;
    if (QFileInfo(options.output).isDir()) {
        reportFailure(QStringLiteral("--output %1 is a folder: name the scan file to write").arg(options.output));
        return std::nullopt;
    }
    return options;
}

void reportProgress(const ReceiveProtocol &protocol, int &lastTenth)
{
    const int tenth = protocol.progressPercent() / 10;
    if (tenth == lastTenth)
        return;
    lastTenth = tenth;
    reportFailure(QStringLiteral("Receive : %1 from %2").arg(protocol.received_count()).arg(protocol.expected_count()));
}

}  // namespace

int runReceive(const QStringList &arguments)
{
    const auto options = parseReceive(arguments);
    if (!options)
        return 2;
    if (QFileInfo::exists(options->output) && !options->force) {
        reportFailure(kFileExists);
        return 1;
    }
    if (const WriteOutcome probe = probeWritableFolder(options->output); !probe.ok) {
        reportFailure(QStringLiteral("cannot save %1: %2").arg(options->output, probe.error));
        return 1;
    }
    TermiosSerialPort port;
    ReceiveSession session(port, busyDelay);
    if (!session.start(options->device, options->adapter)) {
        reportFailure(QStringLiteral("cannot open %1 (%2): %3").arg(options->portName, options->device, session.errorString()));
        return 1;
    }
    QElapsedTimer quiet;
    quiet.start();
    int lastTenth = -1;
    for (;;) {
        const ReceiveSession::Step step = session.step();
        if (step.dataArrived) {
            quiet.restart();
            reportProgress(session.protocol(), lastTenth);
        }
        if (step.outcome == ReceiveProtocol::Outcome::ChecksumFailed) {
            reportFailure(kChecksumFailure);
            return 1;
        }
        if (step.outcome == ReceiveProtocol::Outcome::Completed)
            break;
        if (quiet.elapsed() > options->timeoutSeconds * 1000LL) {
            session.quit();
            reportFailure(QStringLiteral("no data from the instrument for %1 seconds").arg(options->timeoutSeconds));
            return 1;
        }
        QThread::msleep(kStepMilliseconds);
    }
    // the scan is kept, but neither the user nor a script may take it for a sound one
    const QString damage = laterChecksumWarning(session.protocol());
    if (!damage.isEmpty())
        reportFailure(damage);
    auto volume = std::make_unique<ScanVolume>();
    const ReceivedScanSave save = saveReceivedScan(*volume, session.protocol().image(), options->output,
                                                  options->force ? ExistingFile::Replace : ExistingFile::Keep);
    if (!save.outcome.ok) {
        reportFailure(receivedScanFailureText(options->output, save));
        return 1;
    }
    return damage.isEmpty() ? 0 : 1;
}
