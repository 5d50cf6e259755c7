#pragma once
// The windows of the program, created in a fixed order at start and known to
// each other through this record.

#include <QPointer>

class TForm1;
class TForm2;
class TForm3;
class TForm4;
class TForm5;
class TForm6;
class TForm_10;

struct ApplicationWindows {
    QPointer<TForm4> splash;
    QPointer<TForm2> printPreview;
    QPointer<TForm6> portWindow;
    QPointer<TForm1> mainWindow;
    QPointer<TForm5> receiveWindow;
    QPointer<TForm3> marginDialog;
    QPointer<TForm_10> about;
};
