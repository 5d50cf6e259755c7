// velmora-cli: the command-line front end on the program's cores.

#include "cli_commands.h"

#include "scan_file_format.h"

#include <QGuiApplication>
#include <QFile>
#include <QFileInfo>

#include <cstdio>
#include <functional>

namespace {

struct Command {
    const char *name;
    const char *usage;
    std::function<int(const QStringList &)> run;
};

const Command kCommands[] = {
    {"info", "info FILE", runInfo},
    {"dump", "dump FILE --raw|--smoothed --output OUT.bin", runDump},
    {"render",
     "render FILE [view options] [--size WxH] [--image OUT.png] [--overview OUT.png] [--ascan OUT.png] "
     "[--grid OUT.txt]",
     runRender},
    {"voxels", "voxels FILE [view options] --output OUT.bin", runVoxels},
    {"view3d",
     "view3d FILE [view options] [--turn DEG] [--tilt DEG] [--zoom STEPS] [--frames on|off] [--size WxH] "
     "--output OUT.png",
     runView3d},
    {"export", "export FILE [view options] --format vlm|seg2|ascii|seg2-standard --output NAME [--force]",
     runExport},
    {"receive",
     "receive (--port N | --device PATH) [--adapter] --output FILE.vlm [--force] [--timeout SECONDS]",
     runReceive},
    {"print",
     "print FILE [view options] [--size WxH] [--page WxH] [--margins L,R,T,B] [--info] --output OUT.png|OUT.pdf",
     runPrint},
    {"contact-sheet", "contact-sheet FILE... [--columns N] [--size WxH] --output SHEET.png", runContactSheet},
};

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
    for (const Command &command : kCommands)
        std::fprintf(stderr, "  velmora-cli %s\n", command.usage);
    std::fprintf(stderr, "view options, each set as its control would be set, in the order given:\n"
                         "  --view x|y|z  --slice S  --layer L  --depth P  --top N  --bottom N\n"
                         "  --first N  --last N  --brightness B  --threshold N  --smoothing\n"
                         "  --gate-max (view z: the largest sample between the borders)\n");
}

}  // namespace

void reportFailure(const QString &message)
{
    std::fprintf(stderr, "velmora-cli: %s\n", qPrintable(message));
}

bool openForReading(QFile &file)
{
    if (QFileInfo(file.fileName()).isDir()) {
        reportFailure(QStringLiteral("%1 is a folder, not a scan file").arg(file.fileName()));
        return false;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        reportFailure(QStringLiteral("cannot open %1: %2").arg(file.fileName(), file.errorString()));
        return false;
    }
    return true;
}

void reportNotAScanFile(const QString &path)
{
    reportFailure(QStringLiteral("%1 is not a scan file: it does not begin with \"%2\"")
                      .arg(path, QString::fromLatin1(ScanFileFormat::kMagic.data(), ScanFileFormat::kMagic.size())));
}

void printLine(const QString &line)
{
    std::printf("%s\n", qPrintable(line));
}

int main(int argc, char *argv[])
{
    qInstallMessageHandler(dropQtNotes);
    // the tool draws off screen and needs no display
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    QStringList arguments = QGuiApplication::arguments();
    arguments.removeFirst();
    if (arguments.isEmpty()) {
        printUsage();
        return 2;
    }
    const QString name = arguments.takeFirst();
    for (const Command &command : kCommands) {
        if (name == QLatin1String(command.name))
            return command.run(arguments);
    }
    reportFailure(QStringLiteral("unknown command \"%1\"").arg(name));
    printUsage();
    return 2;
}
