#include "nominal_wall_dialog.h"

#include "dialog_seam.h"
#include "probe_geometry.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>

NominalWallDialog::NominalWallDialog(QWidget *parent, std::optional<double> nominalMm) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Nominal wall"));
    NominalEdit = new QLineEdit(nominalMm ? QString::number(*nominalMm, 'g', 10) : QString(), this);
    NominalEdit->setPlaceholderText(QStringLiteral("none"));
    auto *form = new QFormLayout(this);
    form->addRow(QStringLiteral("&Nominal wall (mm):"), NominalEdit);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &NominalWallDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &NominalWallDialog::reject);
}

// A positive length in millimetres, empty for none: read as a probe pitch is.
std::optional<double> NominalWallDialog::nominalMm() const
{
    return parsePitch(NominalEdit->text()).value_or(std::nullopt);
}

void NominalWallDialog::accept()
{
    if (!parsePitch(NominalEdit->text())) {
        showErrorMessage(QStringLiteral("The nominal wall \"%1\" is not a positive number of millimetres; leave it "
                                        "empty for none")
                             .arg(NominalEdit->text()));
        NominalEdit->setFocus();
        NominalEdit->selectAll();
        return;
    }
    QDialog::accept();
}
