#pragma once
// The real dialogs of the platform behind the dialog seam.

#include "dialog_seam.h"

#include <QStringList>

class PlatformDialogs : public DialogSeam {
public:
    MessageAnswer showMessage(const MessageRequest &request) override;
    std::optional<FileDialogAnswer> runFileDialog(const FileDialogRequest &request) override;
    int runModal(QDialog &dialog) override;
    bool runPrintDialog(QPrinter &printer) override;
};

// The filters of a dialog request ("Text|*.txt|All|*") as the file dialog
// takes them ("Text (*.txt)", "All (*)").
QStringList fileDialogFilters(const QString &filter);
