#pragma once
// A dialog seam for tests: records every request and answers from a script.

#include "dialog_seam.h"

#include <QDialog>
#include <QList>

#include <deque>
#include <functional>

class ScriptedDialogs : public DialogSeam {
public:
    ScriptedDialogs() : scope_(*this) {}

    MessageAnswer showMessage(const MessageRequest &request) override
    {
        messages.append(request);
        if (messageAnswers.empty())
            return request.buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Ok;
        const MessageAnswer answer = messageAnswers.front();
        messageAnswers.pop_front();
        return answer;
    }

    std::optional<FileDialogAnswer> runFileDialog(const FileDialogRequest &request) override
    {
        fileDialogs.append(request);
        if (fileAnswers.empty())
            return std::nullopt;
        const auto answer = fileAnswers.front();
        fileAnswers.pop_front();
        return answer;
    }

    int runModal(QDialog &dialog) override
    {
        modalWindows.append(&dialog);
        return onModal ? onModal(dialog) : QDialog::Rejected;
    }

    bool runPrintDialog(QPrinter &printer) override
    {
        ++printDialogs;
        if (onPrintDialog)
            onPrintDialog(printer);
        return confirmPrintDialog;
    }

    QList<MessageRequest> messages;
    std::deque<MessageAnswer> messageAnswers;
    QList<FileDialogRequest> fileDialogs;
    std::deque<std::optional<FileDialogAnswer>> fileAnswers;
    QList<QDialog *> modalWindows;
    std::function<int(QDialog &)> onModal;
    int printDialogs = 0;
    bool confirmPrintDialog = false;
    // Chooses the printer and its settings, as the person at the dialog would.
    std::function<void(QPrinter &)> onPrintDialog;

private:
    ScopedDialogSeam scope_;
};
