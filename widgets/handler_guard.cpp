#include "handler_guard.h"

#include "application_title.h"
#include "dialog_seam.h"

void reportProgramError(const ProgramError &error)
{
    dialogs().showMessage({kApplicationTitle, QString::fromUtf8(error.what()) + QLatin1Char('.'),
                           MessageIcon::Error, MessageButtons::Ok});
}
