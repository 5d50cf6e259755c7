#include "program.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    Program program(QApplication::arguments());
    return program.run();
}
