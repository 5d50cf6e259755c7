#pragma once
// Asks for the evaluation levels that class the indications: the recording
// and acceptance levels in dB (to the DAC, else to the reference) and an
// optional length limit in millimetres. The usual weld levels are offered
// when none are set; without levels the indications have no class.

#include "dac_curve.h"

#include <QDialog>

#include <optional>

class QCheckBox;
class QLineEdit;

class EvaluationLevelsDialog : public QDialog {
    Q_OBJECT
public:
    EvaluationLevelsDialog(QWidget *parent, const std::optional<EvaluationLevels> &levels);

    // None when the indications are not to be classed.
    std::optional<EvaluationLevels> levels() const;

    QCheckBox *classIndications;
    QLineEdit *recordingEdit;
    QLineEdit *acceptanceEdit;
    QLineEdit *lengthLimitEdit;  // empty: no length limit

public slots:
    void accept() override;
};
