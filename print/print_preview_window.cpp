#include "print_preview_window.h"

TForm2::TForm2()
{
    setWindowTitle(QStringLiteral("Print"));
}
