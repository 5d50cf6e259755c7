#include "receive_window.h"

TForm5::TForm5() : QDialog(nullptr, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setWindowTitle(QStringLiteral("Connection with M7340"));
}
