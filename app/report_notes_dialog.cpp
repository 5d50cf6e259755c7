#include "report_notes_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

ReportNotesDialog::ReportNotesDialog(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Report notes"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Notes for the report (the finding, the object, the inspector):")));
    NotesEdit = new QPlainTextEdit(this);
    // Enter starts a new line of the notes: Tab goes on to the buttons and
    // Ctrl+Enter confirms from anywhere in the dialog
    NotesEdit->setTabChangesFocus(true);
    layout->addWidget(NotesEdit);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setToolTip(QStringLiteral("Ctrl+Enter"));
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    for (const QKeyCombination key : {Qt::CTRL | Qt::Key_Return, Qt::CTRL | Qt::Key_Enter})
        connect(new QShortcut(QKeySequence(key), this), &QShortcut::activated, this, &QDialog::accept);
    resize(480, 260);
}

QString ReportNotesDialog::notes() const
{
    return NotesEdit->toPlainText().trimmed();
}
