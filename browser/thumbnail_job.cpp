#include "thumbnail_job.h"

#include <QMetaObject>

int makeThumbnails(const QStringList &paths, QSize size, const std::atomic<bool> &cancelled,
                   const std::function<void(int index, const ScanThumbnail &thumbnail)> &made)
{
    ThumbnailMaker maker;
    int count = 0;
    for (int index = 0; index < paths.size() && !cancelled; ++index) {
        made(index, maker.make(paths[index], size));
        ++count;
    }
    return count;
}

ThumbnailJob::ThumbnailJob(QObject *parent) : QObject(parent) {}

ThumbnailJob::~ThumbnailJob()
{
    stopWorker();
}

void ThumbnailJob::stopWorker()
{
    cancelled_ = true;
    if (worker_.joinable())
        worker_.join();
}

void ThumbnailJob::start(const QStringList &paths, QSize size)
{
    if (running_)
        cancel();
    stopWorker();
    cancelled_ = false;
    running_ = true;
    const int generation = ++generation_;
    worker_ = std::thread([this, paths, size, generation] {
        makeThumbnails(paths, size, cancelled_, [&](int index, const ScanThumbnail &thumbnail) {
            QMetaObject::invokeMethod(
                this,
                [this, generation, index, path = paths[index], thumbnail] {
                    if (generation == generation_ && running_)
                        emit made(index, path, thumbnail);
                },
                Qt::QueuedConnection);
        });
        QMetaObject::invokeMethod(
            this,
            [this, generation] {
                if (generation != generation_ || !running_)
                    return;
                running_ = false;
                emit finished(false);
            },
            Qt::QueuedConnection);
    });
}

void ThumbnailJob::cancel()
{
    if (!running_)
        return;
    cancelled_ = true;
    running_ = false;
    ++generation_;
    emit finished(true);
}
