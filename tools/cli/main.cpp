// velmora-cli: the command-line front end on the program's cores.

#include "cli_commands.h"

#include "scan_file_format.h"

#include <QCoreApplication>
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
};

void printUsage()
{
    std::fprintf(stderr, "usage: velmora-cli COMMAND ...\ncommands:\n");
    for (const Command &command : kCommands)
        std::fprintf(stderr, "  velmora-cli %s\n", command.usage);
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
    QCoreApplication application(argc, argv);
    QStringList arguments = QCoreApplication::arguments();
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
