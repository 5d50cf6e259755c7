#pragma once
// Asks for the slice pitch and the layer pitch in millimetres; an empty field
// means unknown. A value that is not a positive number is refused with a
// message and the dialog stays open.

#include "finding_readings.h"

#include <QDialog>

class QLineEdit;

class ProbeGeometryDialog : public QDialog {
    Q_OBJECT
public:
    ProbeGeometryDialog(QWidget *parent, const ProbeGeometry &geometry);

    ProbeGeometry probeGeometry() const;
    QLineEdit *slicePitchEdit;
    QLineEdit *layerPitchEdit;

public slots:
    void accept() override;
};
