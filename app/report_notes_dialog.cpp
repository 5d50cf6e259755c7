#include "report_notes_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

ReportNotesDialog::ReportNotesDialog(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Report notes"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Notes for the report (the finding, the object, the inspector):")));
    NotesEdit = new QPlainTextEdit(this);
    layout->addWidget(NotesEdit);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    resize(480, 260);
}

QString ReportNotesDialog::notes() const
{
    return NotesEdit->toPlainText().trimmed();
}
