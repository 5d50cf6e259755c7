#pragma once
// The port window TForm6: which serial port the instrument is on, and
// whether an external infrared adapter sits between them.

#include "port_probe.h"

#include <QDialog>

#include <array>

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QPushButton;
class QRadioButton;

struct PortChoice {
    PortPresence port_present{};
    int32_t port_number = 0;
    uint8_t external_adapter = 0;
    std::array<QString, kComPortCount> devices;  // the device each port stands for
};

class TForm6 : public QDialog {
    Q_OBJECT
public:
    TForm6();

    // What the window shows when it opens next, and what the user left there.
    void setChoice(const PortChoice &choice) { choice_ = choice; }
    const PortChoice &choice() const { return choice_; }

    void FormShow();
    void Button1Click();
    void Button2Click();

    QGroupBox *GroupBox1;
    QRadioButton *RadioButton1;
    QRadioButton *RadioButton2;
    QRadioButton *RadioButton3;
    QRadioButton *RadioButton4;
    QCheckBox *CheckBox1;
    QPushButton *Button1;
    QPushButton *Button2;

protected:
    void showEvent(QShowEvent *event) override;

private:
    std::array<QRadioButton *, kComPortCount> ports() const;

    QButtonGroup *group_;
    PortChoice choice_;
};
