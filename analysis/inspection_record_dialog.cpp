#include "inspection_record_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPlainTextEdit>

#include <tuple>

namespace {

const char *const kLabels[] = {
    "&Component or weld:", "&Location:",  "&Inspector:",          "&Certification:",
    "&Procedure or standard:", "I&nstrument and serial:", "P&robe:", "C&ouplant:",
    "Calibration &block:", "&Date of inspection:", "No&tes:",
};
static_assert(std::size(kLabels) == std::tuple_size_v<decltype(kRecordFields)>);

bool isNotes(const RecordField &field)
{
    return field.text == &InspectionRecord::notes;
}

}  // namespace

InspectionRecordDialog::InspectionRecordDialog(QWidget *parent, const InspectionRecord &record) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Inspection record"));
    auto *form = new QFormLayout(this);
    notes_ = new QPlainTextEdit(record.notes, this);
    for (std::size_t i = 0; i < kRecordFields.size(); ++i) {
        const RecordField &field = kRecordFields[i];
        if (isNotes(field)) {
            form->addRow(QString::fromUtf8(kLabels[i]), notes_);
            continue;
        }
        auto *line = new QLineEdit(record.*field.text, this);
        line->setObjectName(QLatin1String(field.key));
        lines_.push_back(line);
        form->addRow(QString::fromUtf8(kLabels[i]), line);
    }
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

InspectionRecord InspectionRecordDialog::record() const
{
    InspectionRecord record;
    auto line = lines_.begin();
    for (const RecordField &field : kRecordFields)
        record.*field.text = isNotes(field) ? notes_->toPlainText() : (*line++)->text();
    return record;
}
