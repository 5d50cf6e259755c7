#include "wall_map_window.h"

#include "wall_map_picture.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QVBoxLayout>

WallMapWindow::WallMapWindow(QWidget *parent) : QWidget(parent, Qt::Window)
{
    Picture = new QLabel(this);
    Picture->setObjectName(QStringLiteral("MapPicture"));
    Picture->setMouseTracking(true);
    Picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Picture->installEventFilter(this);
    Figures = new QLabel(this);
    Figures->setObjectName(QStringLiteral("MapFigures"));
    Reading = new QLabel(this);
    Reading->setObjectName(QStringLiteral("MapReading"));
    auto *column = new QVBoxLayout(this);
    controls_ = new QHBoxLayout;
    column->addLayout(controls_);
    column->addWidget(Picture);
    column->addWidget(Figures);
    column->addWidget(Reading);
}

void WallMapWindow::showMap(const QImage &picture, const QStringList &figures, TraceReading reading)
{
    pictureSize_ = picture.size();
    Picture->setPixmap(QPixmap::fromImage(picture));
    Picture->setFixedSize(picture.size());
    Figures->setText(figures.join(QLatin1Char('\n')));
    reading_ = std::move(reading);
    Reading->clear();
}

std::optional<TraceAt> WallMapWindow::traceUnder(QPoint pixel) const
{
    if (!reading_)
        return std::nullopt;
    const auto at = mapPictureLayout(pictureSize_).traceAt(pixel);
    if (!at || reading_(*at).isEmpty())
        return std::nullopt;
    return at;
}

bool WallMapWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != Picture)
        return QWidget::eventFilter(watched, event);
    if (event->type() == QEvent::MouseMove) {
        const auto at = traceUnder(static_cast<QMouseEvent *>(event)->position().toPoint());
        Reading->setText(at ? reading_(*at) : QString());
    } else if (event->type() == QEvent::MouseButtonPress) {
        const auto *press = static_cast<QMouseEvent *>(event);
        const auto at = traceUnder(press->position().toPoint());
        if (at && press->button() == Qt::LeftButton)
            emit traceChosen(at->layer, at->slice);
    } else if (event->type() == QEvent::Leave) {
        Reading->clear();
    }
    return QWidget::eventFilter(watched, event);
}
