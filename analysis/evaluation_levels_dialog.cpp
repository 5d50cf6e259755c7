#include "evaluation_levels_dialog.h"

#include "decimal_text.h"
#include "dialog_seam.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>

namespace {

QString numberText(double value)
{
    return QString::number(value, 'g', 10);
}

std::optional<double> lengthLimitOf(const QString &text)
{
    const auto length = parseDecimal(text.trimmed());
    return length && *length > 0 ? length : std::nullopt;
}

}  // namespace

EvaluationLevelsDialog::EvaluationLevelsDialog(QWidget *parent, const std::optional<EvaluationLevels> &levels)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Evaluation levels"));
    const EvaluationLevels shown = levels.value_or(EvaluationLevels{});
    classIndications = new QCheckBox(QStringLiteral("&Class the indications by these levels"), this);
    classIndications->setChecked(levels.has_value());
    recordingEdit = new QLineEdit(numberText(shown.recordingDb), this);
    acceptanceEdit = new QLineEdit(numberText(shown.acceptanceDb), this);
    lengthLimitEdit = new QLineEdit(shown.maxLengthMm ? numberText(*shown.maxLengthMm) : QString(), this);
    lengthLimitEdit->setPlaceholderText(QStringLiteral("none"));
    auto *note = new QLabel(QStringLiteral("Levels in dB to the DAC, or to the reference without a DAC. An "
                                           "indication above the acceptance level, or at the recording level and "
                                           "longer than the limit, is rejected; at the recording level it is "
                                           "recorded."),
                            this);
    note->setWordWrap(true);
    auto *form = new QFormLayout(this);
    form->addRow(note);
    form->addRow(classIndications);
    form->addRow(QStringLiteral("&Recording level (dB):"), recordingEdit);
    form->addRow(QStringLiteral("&Acceptance level (dB):"), acceptanceEdit);
    form->addRow(QStringLiteral("&Length limit (mm):"), lengthLimitEdit);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &EvaluationLevelsDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &EvaluationLevelsDialog::reject);
    const auto enableFields = [this](bool on) {
        for (QLineEdit *edit : {recordingEdit, acceptanceEdit, lengthLimitEdit})
            edit->setEnabled(on);
    };
    connect(classIndications, &QCheckBox::toggled, this, enableFields);
    enableFields(classIndications->isChecked());
}

std::optional<EvaluationLevels> EvaluationLevelsDialog::levels() const
{
    if (!classIndications->isChecked())
        return std::nullopt;
    return EvaluationLevels{parseDecimal(recordingEdit->text().trimmed()).value_or(0),
                            parseDecimal(acceptanceEdit->text().trimmed()).value_or(0),
                            lengthLimitOf(lengthLimitEdit->text())};
}

void EvaluationLevelsDialog::accept()
{
    if (classIndications->isChecked()) {
        const std::pair<QLineEdit *, QString> levels[] = {{recordingEdit, QStringLiteral("recording level")},
                                                          {acceptanceEdit, QStringLiteral("acceptance level")}};
        for (const auto &[edit, name] : levels) {
            if (!parseDecimal(edit->text().trimmed())) {
                showErrorMessage(QStringLiteral("The %1 \"%2\" is not a number of decibels").arg(name, edit->text()));
                edit->setFocus();
                edit->selectAll();
                return;
            }
        }
        if (!lengthLimitEdit->text().trimmed().isEmpty() && !lengthLimitOf(lengthLimitEdit->text())) {
            showErrorMessage(QStringLiteral("The length limit \"%1\" is not a positive number of millimetres; leave "
                                            "it empty for none")
                                 .arg(lengthLimitEdit->text()));
            lengthLimitEdit->setFocus();
            return;
        }
    }
    QDialog::accept();
}
