#pragma once
// A recording double of the 3-D library: every call is written to a log as
// its name and arguments ("d3drotate_(0,-24,6)"); with forward set, the call
// also reaches the real library. The depth scales, which come with every
// renewal, the pitches and the marked boxes are kept apart from the log.

#include "d3d_functions.h"

#include <QString>
#include <QStringList>

#include <memory>

class RecordingD3d {
public:
    explicit RecordingD3d(bool forward = false)
        : log_(std::make_shared<QStringList>()), depthScales_(std::make_shared<QList<int>>()),
          pitches_(std::make_shared<QStringList>()), marks_(std::make_shared<QStringList>()), forward_(forward)
    {
    }

    D3dFunctions functions() const
    {
        auto log = log_;
        const bool forward = forward_;
        D3dFunctions real;
        D3dFunctions f;
        f.d3dinit_ = [=](void *w, int16_t *v, int32_t n, uint16_t h) {
            log->append(QStringLiteral("d3dinit_(%1,%2)").arg(n).arg(h));
            if (forward)
                real.d3dinit_(w, v, n, h);
        };
        f.d3dlight_ = [=](uint16_t on) { record(log, QStringLiteral("d3dlight_(%1)").arg(on), forward, [&] { real.d3dlight_(on); }); };
        f.d3drotate_ = [=](float a, float b, float c) {
            record(log, QStringLiteral("d3drotate_(%1,%2,%3)").arg(a).arg(b).arg(c), forward, [&] { real.d3drotate_(a, b, c); });
        };
        f.d3dtype_ = [=](int32_t t) { record(log, QStringLiteral("d3dtype_(%1)").arg(t), forward, [&] { real.d3dtype_(t); }); };
        f.d3dzone_ = [=] { record(log, QStringLiteral("d3dzone_"), forward, [&] { real.d3dzone_(); }); };
        f.d3dmove_ = [=](float a, float b, float c) {
            record(log, QStringLiteral("d3dmove_(%1,%2,%3)").arg(a).arg(b).arg(c), forward, [&] { real.d3dmove_(a, b, c); });
        };
        f.d3dcurse_ = [=] { record(log, QStringLiteral("d3dcurse_"), forward, [&] { real.d3dcurse_(); }); };
        f.d3dreview_ = [=](int32_t t) { record(log, QStringLiteral("d3dreview_(%1)").arg(t), forward, [&] { real.d3dreview_(t); }); };
        f.d3dzero_ = [=](uint16_t l, uint16_t b) {
            record(log, QStringLiteral("d3dzero_(%1,%2)").arg(l).arg(b), forward, [&] { real.d3dzero_(l, b); });
        };
        f.d3dsize_ = [=](uint16_t w, uint16_t h) {
            record(log, QStringLiteral("d3dsize_(%1,%2)").arg(w).arg(h), forward, [&] { real.d3dsize_(w, h); });
        };
        f.d3dscale_ = [=](float a, float b, float c) {
            record(log, QStringLiteral("d3dscale_(%1,%2,%3)").arg(a).arg(b).arg(c), forward, [&] { real.d3dscale_(a, b, c); });
        };
        f.d3dorient_ = [=](int32_t a) { record(log, QStringLiteral("d3dorient_(%1)").arg(a), forward, [&] { real.d3dorient_(a); }); };
        auto depthScales = depthScales_;
        f.d3ddepthscale_ = [=](int32_t t) {
            depthScales->append(t);
            if (forward)
                real.d3ddepthscale_(t);
        };
        auto pitches = pitches_;
        f.d3dpitches_ = [=](float slice, float layer) {
            pitches->append(QStringLiteral("%1,%2").arg(slice).arg(layer));
            if (forward)
                real.d3dpitches_(slice, layer);
        };
        auto marks = marks_;
        f.d3dmarks_ = [=](int32_t count, const int32_t *boxes, const int32_t *numbers) {
            QStringList entry;
            for (int32_t i = 0; i < count; ++i) {
                const int32_t *b = boxes + 6 * i;
                entry.append(QStringLiteral("%1-%2/%3-%4/%5-%6:%7")
                                 .arg(b[0]).arg(b[1]).arg(b[2]).arg(b[3]).arg(b[4]).arg(b[5]).arg(numbers[i]));
            }
            marks->append(entry.join(QLatin1Char(' ')));
            if (forward)
                real.d3dmarks_(count, boxes, numbers);
        };
        f.d3dupdate_ = [=] { record(log, QStringLiteral("d3dupdate_"), forward, [&] { real.d3dupdate_(); }); };
        f.d3dclose_ = [=] { record(log, QStringLiteral("d3dclose_"), forward, [&] { real.d3dclose_(); }); };
        return f;
    }

    QStringList &calls() { return *log_; }
    QList<int> &depthScales() { return *depthScales_; }
    // "slice,layer" of every d3dpitches_.
    QStringList &pitches() { return *pitches_; }
    // Every d3dmarks_ as its boxes "rows/pairs/planes:number" (each a first-last
    // stretch), space-separated; "" for one that clears them.
    QStringList &marks() { return *marks_; }

    // The calls without the repaints, which come whenever the window paints.
    QStringList callsWithoutRepaints() const
    {
        QStringList result = *log_;
        result.removeAll(QStringLiteral("d3dupdate_"));
        return result;
    }

private:
    template <class Call>
    static void record(const std::shared_ptr<QStringList> &log, const QString &entry, bool forward, Call call)
    {
        log->append(entry);
        if (forward)
            call();
    }

    std::shared_ptr<QStringList> log_;
    std::shared_ptr<QList<int>> depthScales_;
    std::shared_ptr<QStringList> pitches_;
    std::shared_ptr<QStringList> marks_;
    bool forward_;
};
