#include "thickness_map_window.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QLabel>
#include <QSpinBox>

ThicknessMapWindow::ThicknessMapWindow(QWidget *parent) : WallMapWindow(parent)
{
    setWindowTitle(QStringLiteral("Thickness map"));
    const ThicknessSearch defaults;
    Level = new QSpinBox(this);
    Level->setObjectName(QStringLiteral("EchoLevel"));
    Level->setRange(1, 255);
    Level->setValue(defaults.level);
    Mode = new QComboBox(this);
    Mode->setObjectName(QStringLiteral("EchoMode"));
    Mode->addItem(QStringLiteral("Peak of the gate"), QVariant::fromValue(static_cast<int>(EchoMode::Peak)));
    Mode->addItem(QStringLiteral("First flank"), QVariant::fromValue(static_cast<int>(EchoMode::Flank)));
    auto *levelLabel = new QLabel(QStringLiteral("Back-wall echo &level:"), this);
    levelLabel->setBuddy(Level);
    controlsRow()->addWidget(levelLabel);
    controlsRow()->addWidget(Level);
    controlsRow()->addWidget(Mode);
    controlsRow()->addStretch();
    connect(Level, &QSpinBox::valueChanged, this, &ThicknessMapWindow::searchChanged);
    connect(Mode, &QComboBox::currentIndexChanged, this, &ThicknessMapWindow::searchChanged);
}

ThicknessSearch ThicknessMapWindow::search(const MapGate &gate) const
{
    ThicknessSearch search;
    search.gate = gate;
    search.level = Level->value();
    search.mode = static_cast<EchoMode>(Mode->currentData().toInt());
    return search;
}
