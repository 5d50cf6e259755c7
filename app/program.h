#pragma once
// The program's entry: creates the windows in their order and runs the
// message loop until the main window closes.

#include "application_windows.h"
#include "d3d_functions.h"

#include <QStringList>

#include <memory>

class Program {
public:
    // Shows the splash window and creates every window; the main window's
    // start-up work runs meanwhile.
    explicit Program(const QStringList &arguments, D3dFunctions d3d = {});
    ~Program();

    // Shows the main window and runs the message loop until it closes.
    int run();

    ApplicationWindows windows;

private:
    std::unique_ptr<TForm2> printPreview_;
    std::unique_ptr<TForm6> portWindow_;
    std::unique_ptr<TForm1> mainWindow_;
    std::unique_ptr<TForm5> receiveWindow_;
    std::unique_ptr<TForm3> marginDialog_;
    std::unique_ptr<TForm_10> about_;
};
