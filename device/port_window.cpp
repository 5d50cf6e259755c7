#include "port_window.h"

#include "handler_guard.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

TForm6::TForm6() : QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setWindowTitle(QStringLiteral("Select port"));
    GroupBox1 = new QGroupBox(QStringLiteral("COM port "));
    RadioButton1 = new QRadioButton(QStringLiteral("COM 1"));
    RadioButton2 = new QRadioButton(QStringLiteral("COM 2"));
    RadioButton3 = new QRadioButton(QStringLiteral("COM 3"));
    RadioButton4 = new QRadioButton(QStringLiteral("COM 4"));
    group_ = new QButtonGroup(this);
    auto *portsLayout = new QHBoxLayout(GroupBox1);
    for (QRadioButton *button : ports()) {
        group_->addButton(button);
        portsLayout->addWidget(button);
    }
    CheckBox1 = new QCheckBox(QStringLiteral("External infrared adapter."));
    Button1 = new QPushButton(QStringLiteral("&OK"));
    // the fourth letter is the Cyrillic es, as the window has always shown it
    Button2 = new QPushButton(QStringLiteral("&Can\u0441el"));
    Button1->setDefault(true);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);
    auto *all = new QVBoxLayout(this);
    all->addWidget(GroupBox1);
    all->addWidget(CheckBox1);
    all->addLayout(buttons);

    connect(Button1, &QPushButton::clicked, this, guarded(this, &TForm6::Button1Click));
    connect(Button2, &QPushButton::clicked, this, guarded(this, &TForm6::Button2Click));
}

std::array<QRadioButton *, kComPortCount> TForm6::ports() const
{
    return {RadioButton1, RadioButton2, RadioButton3, RadioButton4};
}

void TForm6::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    runGuarded([this] { FormShow(); });
}

void TForm6::FormShow()
{
    const auto buttons = ports();
    group_->setExclusive(false);
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        buttons[i]->setEnabled(choice_.port_present[i] != 0);
        buttons[i]->setChecked(false);
        buttons[i]->setToolTip(choice_.devices[i].isEmpty() ? QString()
                                                            : QStringLiteral("COM%1 is %2").arg(i + 1).arg(choice_.devices[i]));
    }
    group_->setExclusive(true);
    if (choice_.port_number >= 1 && choice_.port_number <= kComPortCount)
        buttons[static_cast<std::size_t>(choice_.port_number - 1)]->setChecked(true);
    CheckBox1->setChecked(choice_.external_adapter != 0);
}

void TForm6::Button1Click()
{
    const auto buttons = ports();
    for (std::size_t i = 0; i < buttons.size(); ++i)
        if (buttons[i]->isChecked())
            choice_.port_number = static_cast<int32_t>(i + 1);
    choice_.external_adapter = CheckBox1->isChecked() ? 1 : 0;
    accept();
}

void TForm6::Button2Click()
{
    reject();
}
