#include "margin_dialog.h"

TForm3::TForm3() : QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setWindowTitle(QStringLiteral("Fileds settings"));
    setFixedSize(447, 124);
}
