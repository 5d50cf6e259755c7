#pragma once
// The receive window TForm5: takes a scan from the instrument, shows its
// progress and closes itself when the scan is complete.

#include "receive_session.h"

#include <QDialog>
#include <QTime>

#include <functional>
#include <memory>

class QLabel;
class QProgressBar;
class QPushButton;
class QTimer;

struct ReceiveJob {
    int32_t port_number = 0;
    QString devicePath;
    bool external_adapter = false;
};

class TForm5 : public QDialog {
    Q_OBJECT
public:
    // The time of day the window reads, for its elapsed time and for how long nothing has arrived.
    using Clock = std::function<QTime()>;

    explicit TForm5(std::unique_ptr<SerialPort> port = nullptr, Delay delay = busyDelay,
                    Clock clock = &QTime::currentTime);
    ~TForm5() override;

    // The port to receive from when the window opens next.
    void setJob(const ReceiveJob &job) { job_ = job; }
    // 1 when the last receive completed; the scan is then in receivedImage.
    uint8_t receive_ok() const { return receive_ok_; }
    // The 131,073 entries of the received image.
    const std::vector<uint8_t> &receivedImage() const { return session_.protocol().image(); }

    void FormShow();
    bool FormCloseQuery() const;
    void FormActivate();
    void Timer1Timer();
    void BitBtn2Click();

    uint8_t receive_active = 0;
    uint8_t close_locked = 0;
    QTime start_time;

    QLabel *Label3;
    QProgressBar *Gauge1;
    QLabel *Label5;
    QLabel *Label8;
    QLabel *Label6;
    QLabel *RxClock1;
    QLabel *Led1;
    QLabel *Label2;
    QPushButton *BitBtn2;
    QTimer *Timer1;
    // Shown while nothing arrives: what to check.
    QLabel *silenceHint;
    // Shown once a later block's checksum was wrong; a receive that completes
    // so leaves the window open with it until the user closes the window.
    QLabel *damageNote;

public slots:
    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void startReceive();
    void showProgress();
    void setLed(bool on);
    void finish();
    void showSilence(const QTime &now);
    void showDamage();

    std::unique_ptr<SerialPort> port_;
    ReceiveSession session_;
    ReceiveJob job_;
    uint8_t receive_ok_ = 0;
    QTimer *clock_;
    Clock time_of_day_;
    QTime last_arrival_;
};
