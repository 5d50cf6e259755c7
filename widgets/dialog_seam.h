#pragma once
// Every message box and modal dialog of the program goes through this seam,
// so that tests can answer them without a person.

#include <QString>

#include <memory>
#include <optional>

class QDialog;
class QPrinter;
class QWidget;

enum class MessageIcon { None, Information, Warning, Error };
enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

struct MessageRequest {
    QString caption;
    QString text;
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::Ok;
    // The answer of Enter in a Yes/No question; Escape always answers No.
    MessageAnswer defaultAnswer = MessageAnswer::Yes;
};

struct FileDialogRequest {
    enum class Kind { Open, Save, Folder };  // Folder: choose an existing folder
    Kind kind = Kind::Open;
    QString title;
    // Filters in pairs of description and pattern, separated by '|':
    // "File M7340|*.vlm|SEG2 files (*.dat)|*.dat".
    QString filter;
    int filterIndex = 1;  // 1-based, as the filter pairs are counted
    QString defaultExtension;
    QString initialDirectory;
    QString fileName;
    bool hideReadOnly = false;
};

struct FileDialogAnswer {
    QString path;
    int filterIndex = 1;
};

class DialogSeam {
public:
    virtual ~DialogSeam() = default;
    virtual MessageAnswer showMessage(const MessageRequest &request) = 0;
    virtual std::optional<FileDialogAnswer> runFileDialog(const FileDialogRequest &request) = 0;
    // Shows a window of the program modally and returns its result code.
    virtual int runModal(QDialog &dialog) = 0;
    // The platform's print dialog; true when the user confirms it.
    virtual bool runPrintDialog(QPrinter &printer) = 0;
};

// The seam in use: the real dialogs unless a test has put its own in place.
DialogSeam &dialogs();

// Puts a seam in place for as long as the object lives.
class ScopedDialogSeam {
public:
    explicit ScopedDialogSeam(DialogSeam &seam);
    ~ScopedDialogSeam();
    ScopedDialogSeam(const ScopedDialogSeam &) = delete;
    ScopedDialogSeam &operator=(const ScopedDialogSeam &) = delete;

private:
    DialogSeam *previous_;
};

// The usual error box: caption "Error", the error icon and an OK button.
void showErrorMessage(const QString &text);
