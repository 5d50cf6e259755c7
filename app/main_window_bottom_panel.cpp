// The bottom panel's controls, placed for the panel's width so that every
// caption and read-out shows its whole text.

#include "bottom_panel_layout.h"
#include "main_window.h"
#include "scan_layout.h"
#include "view_state.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QRadioButton>
#include <QScrollBar>
#include <QSlider>

#include <algorithm>
#include <initializer_list>

namespace {

int textWidth(const QWidget *widget, std::initializer_list<QString> texts)
{
    const QFontMetrics metrics(widget->font());
    int width = 0;
    for (const QString &text : texts)
        width = std::max(width, metrics.horizontalAdvance(text));
    return width;
}

}  // namespace

void TForm1::placeBottomPanel()
{
    // the longest read-outs: the deepest row in the coarsest depth scale, the
    // last slice and layer
    const int deepest = ViewRanges::Depth.maximum;
    const int coarsest = *std::max_element(ScanLayout::kDepthScaleTable.begin(), ScanLayout::kDepthScaleTable.end());
    const QString longestDepth = depthReadout(deepest, coarsest);
    BottomPanelTextWidths texts;
    texts.borderCaptions = textWidth(BorderCaptions[0], {BorderCaptions[0]->text(), BorderCaptions[1]->text()});
    texts.layerCaptions = textWidth(LayerCaptions[0], {LayerCaptions[0]->text(), LayerCaptions[1]->text()});
    texts.depthReadout = textWidth(RxLabel8, {longestDepth});
    texts.layerReadout = textWidth(RxLabel10, {QString::number(ViewRanges::ShownLayer.maximum)});
    texts.cursorReadout = textWidth(Label6, {sliceReadout(ViewRanges::Slice.maximum),
                                             layerReadout(ViewRanges::Layer.maximum), longestDepth});
    texts.keyLabel = textWidth(KeyLabels[0], {KeyLabels[0]->text(), KeyLabels[1]->text(), KeyLabels[2]->text()});
    for (const QCheckBox *box : {CheckBox4, CheckBox1, CheckBox7})
        texts.switches = std::max(texts.switches, box->sizeHint().width());
    for (const QRadioButton *button : {RadioButton2, RadioButton1, RadioButton3})
        texts.axisButtons = std::max(texts.axisButtons, button->sizeHint().width());

    const BottomPanelLayout layout = layoutBottomPanel(Panel9->width(), texts);
    BorderGroup->setGeometry(layout.borderGroup);
    QSlider *borderSliders[2] = {RxSlider2, RxSlider4};
    QLabel *borderReadouts[2] = {RxLabel8, RxLabel9};
    QSlider *layerSliders[2] = {RxSlider5, RxSlider6};
    QLabel *layerReadouts[2] = {RxLabel11, RxLabel10};
    for (int row = 0; row < 2; ++row) {
        BorderCaptions[row]->setGeometry(layout.borders[row].caption);
        borderSliders[row]->setGeometry(layout.borders[row].slider);
        borderReadouts[row]->setGeometry(layout.borders[row].readout);
        LayerCaptions[row]->setGeometry(layout.layers[row].caption);
        layerSliders[row]->setGeometry(layout.layers[row].slider);
        layerReadouts[row]->setGeometry(layout.layers[row].readout);
    }
    CursorGroup->setGeometry(layout.cursorGroup);
    QRadioButton *axisButtons[3] = {RadioButton2, RadioButton1, RadioButton3};
    QScrollBar *bars[3] = {ScrollBar2, ScrollBar3, ScrollBar1};
    QLabel *cursorReadouts[3] = {Label6, Label7, Label8};
    for (int row = 0; row < 3; ++row) {
        axisButtons[row]->setGeometry(layout.cursor[row].axisButton);
        bars[row]->setGeometry(layout.cursor[row].scrollBar);
        cursorReadouts[row]->setGeometry(layout.cursor[row].readout);
        KeyLabels[row]->setGeometry(layout.cursor[row].keyLabel);
    }
    SwitchGroup->setGeometry(layout.switchGroup);
    QCheckBox *switches[3] = {CheckBox4, CheckBox1, CheckBox7};
    for (int row = 0; row < 3; ++row)
        switches[row]->setGeometry(layout.switches[row]);
}
