// The commands of the main window that belong to no one subsystem: New,
// copying the slice image, and the shutdown prompt.

#include "application_title.h"
#include "dialog_seam.h"
#include "finding_readout.h"
#include "indication_keeper.h"
#include "main_window.h"
#include "system_power.h"

#include <QClipboard>
#include <QGuiApplication>

// The volume left is no file's: the caption, the printed page and the last
// file name none, and "Save data" asks before it writes the empty volume.
void TForm1::N1Click()
{
    ClearVolume(volume);
    volume.current_file_name.clear();
    shown_file_name_.clear();
    setWindowTitle(kMainWindowCaption);
    Readout->setScanLoaded(false);
    Indications->scanShown({});
    Image1Click();
    d3d_.d3dreview_(1);
}

void TForm1::Copy1Click()
{
    QGuiApplication::clipboard()->setImage(image3Bitmap.convertToFormat(QImage::Format_RGB32));
}

// The settings of this run are written first, as closing would write them:
// powering off closes the program without asking it. No is the default, so
// that a stray Enter never powers the machine off.
void TForm1::BitBtn6Click()
{
    const MessageAnswer answer = dialogs().showMessage({QStringLiteral("Warning"), QStringLiteral("Shutdown computer ?"),
                                                        MessageIcon::Warning, MessageButtons::YesNo, MessageAnswer::No});
    if (answer != MessageAnswer::Yes)
        return;
    writeClosingSettings();
    systemPower().powerOff();
}
