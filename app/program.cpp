#include "program.h"

#include "about_window.h"
#include "application_title.h"
#include "main_window.h"
#include "margin_dialog.h"
#include "port_window.h"
#include "print_preview_window.h"
#include "receive_window.h"
#include "splash_window.h"

#include <QApplication>

Program::Program(const QStringList &arguments, D3dFunctions d3d)
{
    windows.splash = new TForm4;
    windows.splash->showAndPaint();

    printPreview_ = std::make_unique<TForm2>();
    windows.printPreview = printPreview_.get();
    portWindow_ = std::make_unique<TForm6>();
    windows.portWindow = portWindow_.get();

    QCoreApplication::setApplicationName(kApplicationTitle);

    mainWindow_ = std::make_unique<TForm1>(windows, std::move(d3d), arguments);
    receiveWindow_ = std::make_unique<TForm5>();
    windows.receiveWindow = receiveWindow_.get();
    marginDialog_ = std::make_unique<TForm3>();
    windows.marginDialog = marginDialog_.get();
    about_ = std::make_unique<TForm_10>();
    windows.about = about_.get();
}

Program::~Program()
{
    // The main window frees the splash when it closes; it is freed here when
    // the program ends another way.
    delete windows.splash.data();
}

int Program::run()
{
    mainWindow_->splash_pending = 1;
    mainWindow_->show();
    return QApplication::exec();
}
