#include "splash_window.h"

#include "application_title.h"
#include "jpeg_picture.h"

#include <QApplication>
#include <QPainter>
#include <QScreen>

namespace {

constexpr QSize kSplashSize{420, 280};
constexpr int kTitleHeight = 24;
constexpr int kFootHeight = 26;

}  // namespace

TForm4::TForm4() : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint), picture_(aboutPicture())
{
    setWindowTitle(kMainWindowCaption);
    setFixedSize(kSplashSize);
}

void TForm4::showAndPaint()
{
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
    show();
    repaint();
    QApplication::processEvents();
}

void TForm4::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect all = rect();
    painter.fillRect(all, QColor(236, 238, 242));

    const QRect title(0, 0, width(), kTitleHeight);
    painter.fillRect(title, QColor(20, 40, 110));
    painter.setPen(Qt::white);
    painter.setFont(QFont(QStringLiteral("Arial"), 10, QFont::Bold));
    painter.drawText(title.adjusted(8, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft, kMainWindowCaption);

    QFont big(QStringLiteral("Arial"), 54, QFont::Black);
    painter.setFont(big);
    const QRect letters(20, kTitleHeight + 20, 200, 120);
    painter.setPen(QColor(120, 120, 130));
    painter.drawText(letters.translated(4, 4), Qt::AlignCenter, QStringLiteral("VLM"));
    painter.setPen(QColor(20, 40, 110));
    painter.drawText(letters, Qt::AlignCenter, QStringLiteral("VLM"));

    if (!picture_.isNull()) {
        const QRect place(240, kTitleHeight + 20, 160, 120);
        painter.drawImage(place, picture_);
        painter.setPen(QColor(20, 40, 110));
        painter.drawRect(place.adjusted(0, 0, -1, -1));
    }

    const QRect foot(0, height() - kFootHeight, width(), kFootHeight);
    painter.fillRect(foot, QColor(20, 40, 110));
    painter.setPen(Qt::white);
    painter.setFont(QFont(QStringLiteral("Arial"), 10));
    painter.drawText(foot, Qt::AlignCenter, QStringLiteral("Loading ..."));
    painter.setPen(QColor(20, 40, 110));
    painter.drawRect(all.adjusted(0, 0, -1, -1));
}
