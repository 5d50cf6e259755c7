#pragma once
// The print preview window TForm2: composes the page, shows it with zoom and
// scrolling, and prints it.

#include "page_composition.h"
#include "page_preview.h"
#include "preview_keys.h"

#include <QDialog>
#include <QImage>

#include <vector>

class BitmapView;
class QAction;
class QCheckBox;
class QLabel;
class QMenuBar;
class QPrinter;
class QProgressBar;
class QScrollBar;
class QStatusBar;
class QToolBar;
class TForm3;

// What is printed, from the main window, and where to.
struct PrintJob {
    const ScanVolume *volume = nullptr;
    PrintSubject subject;
    QString title;  // the print job's: the main window's caption
    QPrinter *printer = nullptr;
    TForm3 *marginDialog = nullptr;
};

class TForm2 : public QDialog {
    Q_OBJECT
public:
    TForm2();
    ~TForm2() override;

    void setJob(const PrintJob &job) { job_ = job; }

    void FormActivate();
    void RxSpeedButton3Click();
    void BitBtn6Click();
    void Setfields1Click();
    void CheckBox4Click();
    void Image1MouseDown(Qt::MouseButton button);
    void ScrollBar1Change();
    void DrawPagePreview();
    // The window's keys, in the order they are tried.
    static const std::vector<PreviewKey> &keyTable();

    PrintMargins margins;
    uint8_t add_info = 0;
    uint8_t print_smoothing = 0;
    uint8_t preview_zoom = 0;
    QImage page_bitmap;
    PreviewGeometry preview;

    QMenuBar *MainMenu1;
    QAction *Setfields1;
    QAction *AddInfoItem;
    QToolBar *ToolBar1;
    QAction *ToolButton1;
    QAction *ToolButton2;
    QAction *ToolButton4;
    QCheckBox *CheckBox4;
    BitmapView *Image1;
    QScrollBar *ScrollBar1;
    QScrollBar *ScrollBar2;
    QStatusBar *StatusBar1;
    QLabel *statusPanels[3];
    QProgressBar *ProgressBar1;

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void createControls();
    void connectControls();
    void showProgress(int position, int maximum);
    void compose();
    bool keyPreview(int key, Qt::KeyboardModifiers modifiers, quint32 scanCode);

    PrintJob job_;
    QImage previewBitmap_;
};
