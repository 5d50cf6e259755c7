#pragma once
// Asks for the nominal wall thickness in millimetres, which the thickness map
// reads the wall loss against; an empty field means none. A value that is
// not a positive number is refused with a message and the dialog stays open.

#include <QDialog>

#include <optional>

class QLineEdit;

class NominalWallDialog : public QDialog {
    Q_OBJECT
public:
    NominalWallDialog(QWidget *parent, std::optional<double> nominalMm);

    std::optional<double> nominalMm() const;
    QLineEdit *NominalEdit;

public slots:
    void accept() override;
};
