#include "margin_dialog.h"

#include "handler_guard.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

namespace {

constexpr int kLowest = 1;
constexpr int kHighest = 10;

QSlider *marginSlider()
{
    auto *slider = new QSlider(Qt::Horizontal);
    slider->setRange(kLowest, kHighest);
    slider->setSingleStep(1);
    slider->setPageStep(1);
    slider->setValue(3);
    slider->setTickPosition(QSlider::TicksBelow);
    return slider;
}

void showPercent(QLabel *readout, const QSlider *slider)
{
    readout->setText(QStringLiteral("%1%").arg(slider->value()));
}

}  // namespace

TForm3::TForm3() : QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setWindowTitle(QStringLiteral("Fileds settings"));
    RxSlider1 = marginSlider();
    RxSlider2 = marginSlider();
    RxSlider3 = marginSlider();
    RxSlider4 = marginSlider();
    RxLabel2 = new QLabel(QStringLiteral("3%"));
    RxLabel4 = new QLabel(QStringLiteral("3%"));
    RxLabel7 = new QLabel(QStringLiteral("3%"));
    RxLabel8 = new QLabel(QStringLiteral("3%"));
    BitBtn1 = new QPushButton(QStringLiteral("OK"));
    BitBtn2 = new QPushButton(QStringLiteral("Cancel"));
    BitBtn1->setDefault(true);

    auto *grid = new QGridLayout;
    const auto row = [&](int r, int column, const QString &label, QSlider *slider, QLabel *readout) {
        grid->addWidget(new QLabel(label), r, column);
        grid->addWidget(slider, r, column + 1);
        grid->addWidget(readout, r, column + 2);
    };
    row(0, 0, QStringLiteral("Left field"), RxSlider1, RxLabel2);
    row(1, 0, QStringLiteral("Right field"), RxSlider2, RxLabel4);
    row(0, 3, QStringLiteral("Upper field"), RxSlider3, RxLabel7);
    row(1, 3, QStringLiteral("Bottom field"), RxSlider4, RxLabel8);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BitBtn1);
    buttons->addWidget(BitBtn2);
    auto *all = new QVBoxLayout(this);
    all->addLayout(grid);
    all->addLayout(buttons);
    setFixedSize(std::max(447, sizeHint().width()), std::max(124, sizeHint().height()));

    connect(RxSlider1, &QSlider::valueChanged, this, guarded(this, &TForm3::RxSlider1Change));
    connect(RxSlider2, &QSlider::valueChanged, this, guarded(this, &TForm3::RxSlider2Change));
    connect(RxSlider3, &QSlider::valueChanged, this, guarded(this, &TForm3::RxSlider3Change));
    connect(RxSlider4, &QSlider::valueChanged, this, guarded(this, &TForm3::RxSlider4Change));
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
}

void TForm3::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    runGuarded([this] { FormActivate(); });
}

void TForm3::FormActivate()
{
    RxSlider1->setValue(margins_.left);
    RxSlider2->setValue(margins_.right);
    RxSlider3->setValue(margins_.top);
    RxSlider4->setValue(margins_.bottom);
}

PrintMargins TForm3::sliderMargins() const
{
    return {static_cast<uint8_t>(RxSlider1->value()), static_cast<uint8_t>(RxSlider2->value()),
            static_cast<uint8_t>(RxSlider3->value()), static_cast<uint8_t>(RxSlider4->value())};
}

void TForm3::RxSlider1Change()
{
    showPercent(RxLabel2, RxSlider1);
}

void TForm3::RxSlider2Change()
{
    showPercent(RxLabel4, RxSlider2);
}

void TForm3::RxSlider3Change()
{
    showPercent(RxLabel7, RxSlider3);
}

void TForm3::RxSlider4Change()
{
    showPercent(RxLabel8, RxSlider4);
}
