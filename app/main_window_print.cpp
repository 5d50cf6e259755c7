// Printing the slice image.

#include "dialog_seam.h"
#include "main_window.h"
#include "margin_dialog.h"
#include "print_preview_window.h"
#include "slice_palette_choice.h"

#include <QCheckBox>
#include <QPrinter>
#include <QScrollBar>

void TForm1::RxSpeedButton3Click()
{
    TForm2 *preview = windows_.printPreview;
    if (!preview)
        return;
    if (!printer_)
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (!dialogs().runPrintDialog(*printer_))
        return;
    preview->setJob({&volume, printSubject(), windowTitle(), printer_.get(), windows_.marginDialog});
    dialogs().runModal(*preview);
}

PrintSubject TForm1::printSubject() const
{
    PrintSubject subject;
    subject.axis = viewState().axis;
    subject.slice = ScrollBar2->value();
    subject.layer = ScrollBar3->value();
    subject.depth = ScrollBar1->value();
    subject.smoothing = CheckBox4->isChecked();
    subject.palette = Palettes->palette();
    subject.depthScaleFactor = depthScaleFactor(volume);
    subject.fileName = volume.current_file_name;
    subject.font = QFont(QStringLiteral("Arial"));
    subject.font.setBold(true);
    return subject;
}
