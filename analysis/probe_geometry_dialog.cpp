#include "probe_geometry_dialog.h"

#include "dialog_seam.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>

namespace {

QString pitchText(const std::optional<double> &pitch)
{
    return pitch ? QString::number(*pitch, 'g', 10) : QString();
}

QLineEdit *makePitchEdit(QWidget *parent, const std::optional<double> &pitch)
{
    auto *edit = new QLineEdit(pitchText(pitch), parent);
    edit->setPlaceholderText(QStringLiteral("unknown"));
    return edit;
}

}  // namespace

ProbeGeometryDialog::ProbeGeometryDialog(QWidget *parent, const ProbeGeometry &geometry) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Probe geometry"));
    slicePitchEdit = makePitchEdit(this, geometry.slicePitch);
    layerPitchEdit = makePitchEdit(this, geometry.layerPitch);
    auto *form = new QFormLayout(this);
    auto *note = new QLabel(QStringLiteral("The scan file records neither pitch; leave a field empty when it is "
                                           "unknown."), this);
    note->setWordWrap(true);
    form->addRow(note);
    form->addRow(QStringLiteral("Slice &pitch (mm):"), slicePitchEdit);
    form->addRow(QStringLiteral("&Layer pitch (mm):"), layerPitchEdit);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    form->addRow(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &ProbeGeometryDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &ProbeGeometryDialog::reject);
}

ProbeGeometry ProbeGeometryDialog::probeGeometry() const
{
    return {parsePitch(slicePitchEdit->text()).value_or(std::nullopt),
            parsePitch(layerPitchEdit->text()).value_or(std::nullopt)};
}

void ProbeGeometryDialog::accept()
{
    const std::pair<QLineEdit *, QString> fields[] = {{slicePitchEdit, QStringLiteral("slice pitch")},
                                                       {layerPitchEdit, QStringLiteral("layer pitch")}};
    for (const auto &[edit, name] : fields) {
        if (!parsePitch(edit->text())) {
            showErrorMessage(QStringLiteral("The %1 \"%2\" is not a positive number of millimetres; leave it "
                                            "empty when it is unknown")
                                 .arg(name, edit->text()));
            edit->setFocus();
            edit->selectAll();
            return;
        }
    }
    QDialog::accept();
}
