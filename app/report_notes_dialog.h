#pragma once
// Asks for the notes of an inspection report before it is saved.

#include <QDialog>

class QPlainTextEdit;

class ReportNotesDialog : public QDialog {
    Q_OBJECT
public:
    explicit ReportNotesDialog(QWidget *parent);
    QString notes() const;

    QPlainTextEdit *NotesEdit;
};
