#pragma once
// Makes the thumbnails of a list of files on a worker thread, one after the
// other, and hands each to the thread that started the job, which stays free
// meanwhile. Cancel stops the work after the thumbnail being made.

#include "scan_thumbnail.h"

#include <QObject>
#include <QStringList>

#include <atomic>
#include <functional>
#include <thread>

// The loop behind the job: makes the thumbnail of each path in turn until
// all are made or cancelled is set; returns how many were made.
int makeThumbnails(const QStringList &paths, QSize size, const std::atomic<bool> &cancelled,
                   const std::function<void(int index, const ScanThumbnail &thumbnail)> &made);

class ThumbnailJob : public QObject {
    Q_OBJECT
public:
    explicit ThumbnailJob(QObject *parent = nullptr);
    ~ThumbnailJob() override;

    // Starts on paths; a job still running is cancelled first.
    void start(const QStringList &paths, QSize size = kThumbnailSize);
    void cancel();
    bool running() const { return running_; }

signals:
    void made(int index, const QString &path, const ScanThumbnail &thumbnail);
    // After the last thumbnail, or at once after cancel().
    void finished(bool cancelled);

private:
    void stopWorker();

    std::thread worker_;
    std::atomic<bool> cancelled_{false};
    // Results of an earlier start or of a cancelled run still on their way are dropped.
    int generation_ = 0;
    bool running_ = false;
};
