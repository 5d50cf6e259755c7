#pragma once
// The page as the preview shows it: fitted into the preview, widened by 200
// preview pixels on every side at each zoom level, moved by the scroll bars,
// with a shadow.

#include <QImage>
#include <QRect>

struct PreviewGeometry {
    int scroll_step_h = 0;  // taken from the preview's height
    int scroll_step_v = 0;  // taken from the preview's width
    double page_scale = 1;
    QRect shadow;
    QRect page;
};

PreviewGeometry previewGeometry(QSize preview, QSize page, int zoom, int scrollH, int scrollV);

// Fills the preview grey and draws the shadow and the stretched page.
void DrawPagePreview(QImage &preview, const QImage &page, const PreviewGeometry &geometry);
