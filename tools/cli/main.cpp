// velmora-cli: the command-line front end on the program's cores.

#include "cli_commands.h"

#include <QCoreApplication>

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
