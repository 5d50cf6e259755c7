// velmora-cli: the command-line front end on the program's cores.

#include "cli_commands.h"

#include "export_targets.h"
#include "export_writers.h"
#include "native_path.h"
#include "scan_file_format.h"
#include "scan_file_open.h"

#include <QGuiApplication>
#include <QFile>

#include <cstdio>
#include <exception>
#include <functional>
#include <new>
#include <vector>
#include <unistd.h>

namespace {

struct Command {
    const char *name;
    QString usage;
    std::function<int(const QStringList &)> run;
};

// Made at the first call: the format names come from a table of another file.
const std::vector<Command> &commands()
{
    static const std::vector<Command> table{
        {"info", "info FILE", runInfo},
        {"dump", "dump FILE --raw|--smoothed --output OUT.bin", runDump},
        {"render",
         "render FILE [view options] [--size WxH] [--image OUT.png] [--overview OUT.png] [--ascan OUT.png] "
         "[--grid OUT.txt]",
         runRender},
        {"voxels", "voxels FILE [view options] --output OUT.bin", runVoxels},
        {"view3d",
         "view3d FILE [view options] [--turn DEG] [--tilt DEG] [--zoom STEPS] [--frames on|off] [--size WxH] "
         "[--indications [--level V] [--drop DB] [--min-samples N]] --output OUT.png",
         runView3d},
        {"export",
         "export FILE [view options] [--format FORMAT] --output NAME [--force] [--slice-pitch MM] [--layer-pitch MM]\n"
         "  velmora-cli export FILE... --format FORMAT --output-dir DIR [--force] [--slice-pitch MM] [--layer-pitch MM]\n"
         "    FORMAT: " + exportFormatNames(),
         runExport},
        {"receive",
         "receive (--port N | --device PATH) [--adapter] --output FILE.vlm [--force] [--timeout SECONDS]",
         runReceive},
        {"print",
         "print FILE [view options] [--size WxH] [--page WxH] [--margins L,R,T,B] [--info] --output OUT.png|OUT.pdf",
         runPrint},
        {"probe",
         "probe FILE [view options] [--measure-to S,L,P] [--slice-pitch MM] [--layer-pitch MM] [--reference V] "
         "[--dac D:V,...] [--json]",
         runProbe},
        {"report",
         "report FILE [view options] [--measure-to S,L,P] [--slice-pitch MM] [--layer-pitch MM] [--reference V] "
         "[--turn DEG] [--tilt DEG] [--zoom STEPS] [--notes TEXT] [--thickness [--level V] [--mode peak|flank] "
         "[--nominal MM]] --output OUT.pdf",
         runReport},
        {"indications",
         "indications FILE [view options] [--level V] [--drop DB] [--min-samples N] [--slice-pitch MM] "
         "[--layer-pitch MM] [--reference V] [--dac D:V,...] [--recording-db R --acceptance-db A [--max-length MM]] "
         "[--json|--csv] [--save]",
         runIndications},
        {"thickness",
         "thickness FILE [view options] [--level V] [--mode peak|flank] [--nominal MM] [--json|--csv] [--size WxH] "
         "[--image OUT.png]",
         runThickness},
        {"compare", "compare A.vlm B.vlm [view options] [--json] [--size WxH] [--image OUT.png]", runCompare},
        {"contact-sheet", "contact-sheet FILE... [--columns N] [--size WxH] --output SHEET.png", runContactSheet},
    };
    return table;
}

// The tool's standard error carries its own reports only; the notes of the
// window system about the off-screen platform are of no use here.
void dropQtNotes(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

void printUsage()
{
    std::fprintf(stderr, "usage: velmora-cli COMMAND ...\ncommands:\n");
    for (const Command &command : commands())
        std::fprintf(stderr, "  velmora-cli %s\n", command.usage.toUtf8().constData());
    std::fprintf(stderr, "view options, each set as its control would be set, in the order given:\n"
                         "  --view x|y|z  --slice S  --layer L  --depth P  --top N  --bottom N\n"
                         "  --first N  --last N  --brightness B  --threshold N  --smoothing\n"
                         "  --gate-max (view z: the largest sample between the borders)\n");
}

// Whatever a subcommand raises ends in a message and exit status 1, never in
// an abort.
int runGuarded(const Command &command, const QStringList &arguments)
{
    try {
        return command.run(arguments);
    } catch (const std::bad_alloc &) {
        reportFailure(QStringLiteral("%1: not enough memory").arg(QLatin1String(command.name)));
    } catch (const std::exception &error) {
        reportFailure(QStringLiteral("%1: %2").arg(QLatin1String(command.name), QString::fromLocal8Bit(error.what())));
    } catch (...) {
        reportFailure(QStringLiteral("%1: an unexpected error").arg(QLatin1String(command.name)));
    }
    return 1;
}

}  // namespace

void reportFailure(const QString &message)
{
    // a progress line on a terminal gives way to the report
    if (isatty(STDERR_FILENO))
        std::fputs("\r\033[K", stderr);
    std::fprintf(stderr, "velmora-cli: %s\n", nativePath(message).constData());
}

void reportCannotOpen(const QString &path, const QString &reason)
{
    reportFailure(QStringLiteral("cannot open %1: %2").arg(path, reason));
}

bool openForReading(QFile &file)
{
    if (const auto reason = openScanFile(file)) {
        reportCannotOpen(file.fileName(), *reason);
        return false;
    }
    return true;
}

void reportNotAScanFile(const QString &path)
{
    reportFailure(QStringLiteral("%1 is not a scan file: it does not begin with \"%2\"")
                      .arg(path, ScanFileFormat::text(ScanFileFormat::kMagic)));
}

bool fileWritten(const QString &path, const WriteOutcome &outcome)
{
    if (!outcome.ok)
        reportFailure(QStringLiteral("cannot write %1: %2").arg(path, outcome.error));
    return outcome.ok;
}

void printLine(const QString &line)
{
    std::printf("%s\n", nativePath(line).constData());
}

void printOutput(const QByteArray &bytes)
{
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stdout);
}

int main(int argc, char *argv[])
{
    qInstallMessageHandler(dropQtNotes);
    // The tool draws off screen and needs no display, whatever the session
    // says. Qt is shown none of the command line: its own options
    // (-platform, -platformpluginpath, -reverse, -session …) are unknown
    // options here like any other.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static char programName[] = "velmora-cli";
    static char *qtArguments[] = {programName, nullptr};
    static int qtArgumentCount = 1;
    QGuiApplication application(qtArgumentCount, qtArguments);
    // file names are taken as the bytes they are, also when not UTF-8
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << pathFromNative(argv[i]);
    if (arguments.isEmpty()) {
        printUsage();
        return 2;
    }
    const QString name = arguments.takeFirst();
    for (const Command &command : commands()) {
        if (name == QLatin1String(command.name))
            return runGuarded(command, arguments);
    }
    reportFailure(QStringLiteral("unknown command \"%1\"").arg(name));
    printUsage();
    return 2;
}
