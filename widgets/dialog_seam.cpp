#include "dialog_seam.h"

#include "platform_dialogs.h"

namespace {

DialogSeam *&currentSeam()
{
    static PlatformDialogs platform;
    static DialogSeam *current = &platform;
    return current;
}

}  // namespace

DialogSeam &dialogs()
{
    return *currentSeam();
}

ScopedDialogSeam::ScopedDialogSeam(DialogSeam &seam) : previous_(currentSeam())
{
    currentSeam() = &seam;
}

ScopedDialogSeam::~ScopedDialogSeam()
{
    currentSeam() = previous_;
}

void showErrorMessage(const QString &text)
{
    dialogs().showMessage({QStringLiteral("Error"), text, MessageIcon::Error, MessageButtons::Ok});
}
