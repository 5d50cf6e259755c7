#include "native_path.h"
#include "program.h"

#include <QApplication>

namespace {

// The arguments Qt leaves after taking its own, as the bytes they are: a
// file name need not be UTF-8.
QStringList argumentsLeft(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << pathFromNative(argv[i]);
    return arguments;
}

}  // namespace

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    Program program(argumentsLeft(argc, argv));
    return program.run();
}
