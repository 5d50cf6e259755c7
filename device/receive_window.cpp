#include "receive_window.h"

#include "com_ports.h"
#include "dialog_seam.h"
#include "handler_guard.h"
#include "screen_fit.h"
#include "termios_serial_port.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

namespace {

constexpr int kStepMilliseconds = 100;
const QString kChecksumFailure = QStringLiteral("CRC error ! Repeat transmission.");
constexpr int kSilenceMilliseconds = 10000;
constexpr int kDayMilliseconds = 24 * 60 * 60 * 1000;
constexpr int kTitleBarRoom = 160;  // the title bar's buttons and margins beside the caption

QString progressText(int received, int expected)
{
    return QStringLiteral("Receive : %1 from %2").arg(received).arg(expected);
}

}  // namespace

TForm5::TForm5(std::unique_ptr<SerialPort> port, Delay delay, Clock clock)
    : QDialog(nullptr, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      port_(port ? std::move(port) : std::make_unique<TermiosSerialPort>()), session_(*port_, std::move(delay)),
      time_of_day_(std::move(clock))
{
    setWindowTitle(QStringLiteral("Connection with M7340"));
    Label3 = new QLabel(QStringLiteral("The state of receive :"));
    Gauge1 = new QProgressBar;
    Gauge1->setRange(0, 100);
    Gauge1->setValue(0);
    QPalette blue = Gauge1->palette();
    blue.setColor(QPalette::Highlight, Qt::blue);
    Gauge1->setPalette(blue);
    Label5 = new QLabel(QStringLiteral("Time of receive :"));
    Label8 = new QLabel(QStringLiteral("0:0:0"));
    Label6 = new QLabel(QStringLiteral("Current time :"));
    RxClock1 = new QLabel(QTime::currentTime().toString(QStringLiteral("HH:mm:ss")));
    Led1 = new QLabel(QStringLiteral("RD"));
    Led1->setAlignment(Qt::AlignCenter);
    Led1->setFixedSize(28, 18);
    Led1->setAutoFillBackground(true);
    setLed(false);
    Label2 = new QLabel(QStringLiteral("Receive : 0 from 8388608"));
    BitBtn2 = new QPushButton(QStringLiteral("Quit"));
    silenceHint = new QLabel;
    silenceHint->setWordWrap(true);
    silenceHint->hide();
    damageNote = new QLabel;
    damageNote->setWordWrap(true);
    damageNote->hide();

    auto *grid = new QGridLayout(this);
    grid->addWidget(Label3, 0, 0);
    grid->addWidget(Led1, 0, 1, Qt::AlignRight);
    grid->addWidget(Gauge1, 1, 0, 1, 2);
    grid->addWidget(Label2, 2, 0, 1, 2);
    grid->addWidget(Label5, 3, 0);
    grid->addWidget(Label8, 3, 1);
    grid->addWidget(Label6, 4, 0);
    grid->addWidget(RxClock1, 4, 1);
    grid->addWidget(silenceHint, 5, 0, 1, 2);
    grid->addWidget(damageNote, 6, 0, 1, 2);
    grid->addWidget(BitBtn2, 7, 0, 1, 2, Qt::AlignCenter);
    // wide enough for the whole caption, the advice wrapped at that width
    setMinimumWidth(fontMetrics().horizontalAdvance(windowTitle()) + kTitleBarRoom);
    new HeightForWidthFit(*this);

    Timer1 = new QTimer(this);
    Timer1->setInterval(kStepMilliseconds);
    clock_ = new QTimer(this);
    clock_->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, guarded(this, &TForm5::Timer1Timer));
    connect(clock_, &QTimer::timeout, this,
            [this] { RxClock1->setText(time_of_day_().toString(QStringLiteral("HH:mm:ss"))); });
    connect(BitBtn2, &QPushButton::clicked, this, guarded(this, &TForm5::BitBtn2Click));
}

TForm5::~TForm5() = default;

void TForm5::setLed(bool on)
{
    QPalette palette = Led1->palette();
    palette.setColor(QPalette::Window, on ? QColor(255, 0, 0) : QColor(90, 0, 0));
    palette.setColor(QPalette::WindowText, Qt::white);
    Led1->setPalette(palette);
    Led1->setProperty("lit", on);
}

// The receive starts once the window is on screen; it starts only here, so
// that the window's later activations cannot end or restart a receive.
void TForm5::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    runGuarded([this] { FormShow(); });
    clock_->start();
    QTimer::singleShot(0, this, guarded(this, &TForm5::FormActivate));
}

void TForm5::FormShow()
{
    close_locked = 1;
}

bool TForm5::FormCloseQuery() const
{
    return close_locked == 0;
}

void TForm5::closeEvent(QCloseEvent *event)
{
    if (!FormCloseQuery()) {
        event->ignore();
        return;
    }
    clock_->stop();
    QDialog::closeEvent(event);
}

void TForm5::reject()
{
    if (FormCloseQuery())
        QDialog::reject();
}

void TForm5::FormActivate()
{
    if (receive_active == 0 && job_.port_number > 0) {
        startReceive();
        return;
    }
    Timer1->start();
    close_locked = 0;
    receive_active = 0;
}

void TForm5::startReceive()
{
    receive_ok_ = 0;
    Gauge1->setValue(0);
    start_time = time_of_day_();
    last_arrival_ = start_time;
    silenceHint->hide();
    damageNote->hide();
    BitBtn2->setText(QStringLiteral("Quit"));
    Label2->setText(progressText(0, ReceiveProtocol::kExpectedCount));
    Label8->setText(QStringLiteral("0:0:0"));
    receive_active = 1;
    if (!session_.start(job_.devicePath, job_.external_adapter)) {
        receive_active = 0;
        close_locked = 0;
        showErrorMessage(QStringLiteral("Cannot open %1 (%2): %3")
                             .arg(comPortName(job_.port_number), job_.devicePath, session_.errorString()));
        close();
        return;
    }
    Timer1->start();
}

void TForm5::Timer1Timer()
{
    if (receive_active == 0) {
        if (close_locked == 0) {
            Timer1->stop();
            close();
        }
        return;
    }
    const ReceiveSession::Step step = session_.step();
    const QTime now = time_of_day_();
    setLed(step.dataArrived);
    if (step.dataArrived) {
        last_arrival_ = now;
        silenceHint->hide();
        showProgress();
        showDamage();
    }
    switch (step.outcome) {
    case ReceiveProtocol::Outcome::Completed:
        Label2->setText(progressText(ReceiveProtocol::kExpectedCount, ReceiveProtocol::kExpectedCount));
        receive_ok_ = 1;
        if (!damageNote->isHidden()) {
            // the scan is kept, and the window stays so that the warning is read
            Timer1->stop();
            close_locked = 0;
            receive_active = 0;
            BitBtn2->setText(QStringLiteral("Close"));
            return;
        }
        finish();
        return;
    case ReceiveProtocol::Outcome::ChecksumFailed:
        Timer1->stop();
        dialogs().showMessage({QStringLiteral("Error"), kChecksumFailure, MessageIcon::Error, MessageButtons::Ok});
        finish();
        return;
    case ReceiveProtocol::Outcome::Receiving:
        break;
    }
    Label8->setText(elapsedTimeText(start_time, now));
    showSilence(now);
}

// The receive goes on waiting until Quit; after a while without a byte the
// window says so and what to check.
void TForm5::showSilence(const QTime &now)
{
    const int quiet = (last_arrival_.msecsTo(now) + kDayMilliseconds) % kDayMilliseconds;
    if (quiet < kSilenceMilliseconds)
        return;
    silenceHint->setText(QStringLiteral("Nothing has arrived for %1 seconds. Check that the cable is plugged in, "
                                        "that %2 (%3) is the port the instrument is on (Setup, IR setup), "
                                        "and that the instrument is sending the scan.")
                             .arg(quiet / 1000)
                             .arg(comPortName(job_.port_number), job_.devicePath));
    silenceHint->show();
}

void TForm5::showDamage()
{
    const QString warning = laterChecksumWarning(session_.protocol());
    if (warning.isEmpty())
        return;
    damageNote->setText(warning);
    damageNote->show();
}

void TForm5::showProgress()
{
    const ReceiveProtocol &protocol = session_.protocol();
    Gauge1->setValue(protocol.progressPercent());
    Label2->setText(progressText(protocol.received_count(), protocol.expected_count()));
}

void TForm5::finish()
{
    Timer1->stop();
    close_locked = 0;
    receive_active = 0;
    close();
}

void TForm5::BitBtn2Click()
{
    close_locked = 0;
    receive_active = 0;
    session_.quit();
    close();
}
