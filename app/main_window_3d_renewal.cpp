// Whether the 3-D picture is current: the view controls of its last renewal,
// the note over the picture while they differ from the controls, and the
// report's own picture, renewed from the controls as they stand.

#include "d3d.h"
#include "finding_readout.h"
#include "library_start.h"
#include "main_window.h"
#include "report_content.h"

#include <QLabel>
#include <QSlider>

#include <algorithm>
#include <vector>

namespace {

constexpr int kNoteMargin = 8;

}  // namespace

TForm1::PictureRenewal TForm1::renewalOfControls() const
{
    return {uploadRangeOf(viewState()), RxSlider3->value()};
}

void TForm1::createRenewalNote()
{
    RenewalNote = new QLabel(QStringLiteral("3-D picture out of date: F4 renews"), this);
    RenewalNote->setObjectName(QStringLiteral("RenewalNote"));
    RenewalNote->setWordWrap(true);
    RenewalNote->setAttribute(Qt::WA_TransparentForMouseEvents);
    RenewalNote->setStyleSheet(
        QStringLiteral("QLabel { background: rgba(20, 24, 34, 210); color: rgb(255, 210, 60); padding: 3px 6px; }"));
    RenewalNote->hide();
}

void TForm1::showRenewalNote()
{
    const bool stale = Readout->scanLoaded() && renewed_ && *renewed_ != renewalOfControls();
    if (stale) {
        placeRenewalNote();
        RenewalNote->raise();
    }
    RenewalNote->setVisible(stale);
}

void TForm1::placeRenewalNote()
{
    if (!RenewalNote)
        return;
    const QRect area = pictureArea();
    const int width = std::min(RenewalNote->sizeHint().width(), std::max(1, area.width() - 2 * kNoteMargin));
    RenewalNote->setGeometry(area.left() + kNoteMargin, area.top() + kNoteMargin, width,
                             RenewalNote->heightForWidth(width));
}

QImage TForm1::reportThreeDPicture()
{
    const std::vector<int16_t> shown(volume.voxels.data(), volume.voxels.data() + volume.voxels.size());
    const PictureRenewal controls = renewalOfControls();
    renewVolume(d3d_, volume, controls.range, controls.threshold);
    QImage picture(kReportThreeDSize, QImage::Format_RGB32);
    d3dsnapshot_(reinterpret_cast<uint32_t *>(picture.bits()), static_cast<uint16_t>(picture.width()),
                 static_cast<uint16_t>(picture.height()));
    std::copy(shown.begin(), shown.end(), volume.voxels.data());
    d3d_.d3dreview_(renewed_ ? renewed_->threshold : controls.threshold);
    return picture;
}
