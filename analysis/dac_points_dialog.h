#pragma once
// The points of the DAC curve as a table of depth (mm) and sample value, to
// type in, change, add to and take from. Points that do not make a curve are
// refused with the reason and the dialog stays open; an empty table is no DAC.

#include "dac_curve.h"

#include <QDialog>

#include <optional>

class QTableWidget;

class DacPointsDialog : public QDialog {
    Q_OBJECT
public:
    DacPointsDialog(QWidget *parent, const std::optional<DacCurve> &curve);

    // The curve of the rows, in their order; none for no rows.
    std::optional<DacCurve> curve() const;

    void addRow();
    void removeSelectedRows();

    QTableWidget *table;

public slots:
    void accept() override;

private:
    // The rows as points; none, with why in reason, when a cell is not a number.
    std::optional<std::vector<DacPoint>> points(QString *reason) const;
};
