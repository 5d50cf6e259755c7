#pragma once
// The main window TForm1: owns the scan volume, the view state and the
// settings fields for the whole run, and binds every control to its handler.
// Its handlers are defined in files by subsystem.

#include "application_windows.h"
#include "command_table.h"
#include "d3d_functions.h"
#include "dialog_seam.h"
#include "export_writers.h"
#include "scan_volume.h"
#include "page_composition.h"
#include "scan_file_reader.h"
#include "pointer_steps.h"
#include "recent_scans.h"
#include "slice_renderer.h"
#include "thumbnail_cache.h"
#include "view_state.h"
#include "volume_formats.h"
#include "volume_upload.h"

#include <QDateTime>
#include <QImage>
#include <QStringList>
#include <QWidget>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class AvailableAreaFit;
class BitmapView;
class DragLine;
class FindingReadout;
class IndicationKeeper;
class WallMapKeeper;
class SlicePaletteChoice;
class QAction;
class QCheckBox;
class QFrame;
class QLabel;
class QMenu;
class QPrinter;
class QMenuBar;
class QRadioButton;
class QScrollBar;
class QSlider;
class QStatusBar;
class QTimer;
class QUrl;
class QToolBar;
class QToolButton;
class ScanBrowserWindow;
class AvailableAreaFit;
class SettingsStore;

class TForm1 : public QWidget {
    Q_OBJECT
signals:
    // After each drawing of the slice pictures.
    void sliceImageRedrawn();
    // After each renewal of the 3-D picture.
    void threeDPictureRenewed();

public:
    // Creates the window; its start-up work (FormCreate) runs now. arguments
    // is the program's argument list, the program's own path first.
    TForm1(ApplicationWindows &windows, D3dFunctions d3d, QStringList arguments);
    ~TForm1() override;

    // Start-up and commands
    void FormCreate();
    void FormKeyDown(int key, Qt::KeyboardModifiers shift);
    void N1Click();
    void Copy1Click();
    void BitBtn6Click();
    void FormPaint();
    void FormClose();
    void Exit1Click();
    void About1Click();
    // The file named on the command line, if any.
    void TakeCommandLineFile(bool &open_at_start);
    // Help: the window that lists every key.
    void showKeys();
    // Every command of the window: its menu items, tool buttons and keys.
    static const std::vector<MainCommand> &commandTable();

    // Files
    void OpenTGO();
    void Open1Click();
    // Opens path as a file chosen in the open dialog is opened.
    void OpenChosenFile(const QString &path);
    // Shows the scan just received into scan_image and saved as
    // current_file_name, as opening that file would.
    void showReceivedScan();
    void browseScans();
    // File ▸ Open recent: the recent scans, those no longer there disabled,
    // and the command that clears them from the list.
    void fillRecentMenu(QMenu &menu);
    // Opens the scans dropped on the window, or says why not.
    void takeDrop(const QList<QUrl> &urls);
    void writeReport();
    void toggleGateMaximum();
    void RxSpeedButton2Click();
    void ToolButton9Click();
    void SaveScanFile(const QString &path);
    void SaveSEG2DATA(const QString &path);
    void SaveAsciiColumns(const QString &path);
    // Writes the volume for other tools: NumPy, NRRD, VTK image or CSV.
    void SaveVolumeFile(const QString &path, VolumeFormat format);
    void Copydata1Click();

    // Printing
    void RxSpeedButton3Click();
    // What printing shows of the window's state.
    PrintSubject printSubject() const;

    // Device link
    void Option1Click();
    void RxSpeedButton6Click();
    void RxSpeedButton4Click();

    // Layout
    void FormResize();

    // Slice views
    void Image1Click();
    void DrawAxisRulers();
    void ScrollBar1Change();
    void RxSlider1Change();
    void RxSlider2Change();
    void RxSlider3Change();
    void RxSlider4Change();
    void RxSlider5Change();
    void RxSlider6Change();
    void RadioButton1Click();
    void RadioButton2Click();
    void RadioButton3Click();
    void CheckBox4Click();
    void Image3MouseDown(Qt::MouseButton button, int x, int y);
    void RxSplitter1MouseDown();
    void RxSplitter1MouseMove(QPoint position);
    void RxSplitter1MouseUp();
    void RxSplitter2MouseDown();
    void RxSplitter2MouseMove(QPoint position);
    void RxSplitter2MouseUp();
    void RxSplitter3MouseDown();
    void RxSplitter3MouseMove(QPoint position);
    void RxSplitter3MouseUp();
    // The view as the controls hold it.
    ViewState viewState() const;

    // 3-D view
    void Button3Click();
    void BitBtn1Click();
    void BitBtn2Click();
    void BitBtn3Click();
    void BitBtn4Click();
    void BitBtn9Click();
    void BitBtn10Click();
    void SpeedButton1Click();
    void SpeedButton2Click();
    void Timer1Timer();
    void CheckBox1Click();
    void CheckBox7Click();
    void FormDragOver();
    // The mouse on the 3-D picture
    void pressOnPicture(Qt::MouseButton button, QPoint at);
    void dragOnPicture(QPoint at);
    void releaseOnPicture();
    void wheelOnPicture(int delta);
    void returnToStartView();

    // The volume and the fields of the window.
    ScanVolume volume;
    SliceGeometry geometry;
    int32_t port_number = 0;
    uint8_t external_adapter = 0;
    std::array<uint8_t, 4> port_present{};
    uint8_t receive_ok = 0;
    int32_t light_on = 0;
    uint8_t form_ready = 0;
    uint8_t splash_pending = 0;
    uint8_t smoothing = 0;
    uint8_t picking = 0;
    uint8_t dragging_top = 0;
    uint8_t dragging_bottom = 0;
    uint8_t dragging_threshold = 0;
    uint8_t view_busy = 0;
    int32_t turn_angle = 0;
    int32_t tilt_angle = 0;
    int32_t idle_ticks = 0;
    // Zoom steps taken from the start size, within the library's limits.
    int32_t zoom_steps = 0;
    QString last_dir;
    // The save dialog, which keeps its last name and file type between uses.
    FileDialogRequest SaveDialog1;
    // The scan browser's thumbnails, kept for the session.
    ThumbnailCache thumbnail_cache;
    // The clock the SEG-2 files are dated by.
    std::function<QDateTime()> utc_clock;

    // The bitmaps of the main slice image, the overview and the A-scan.
    QImage image3Bitmap;
    QImage image1Bitmap;
    QImage image2Bitmap;

    // Menus
    QMenuBar *MainMenu1;
    QAction *N1;
    QAction *Open1;
    QAction *GateMaximumItem;
    QAction *Saveas1;
    QAction *Exit1;
    QAction *Option1;
    QAction *About1;

    // The client area and its panels
    QWidget *ClientArea;
    QToolBar *CoolBar1;
    QAction *ToolButton1;
    QAction *ToolButton9;
    QAction *ToolButton2;
    QAction *ToolButton3;
    QAction *ToolButton4;
    QAction *ToolButton6;
    QAction *ToolButton8;
    QLabel *RxLabel6;
    QFrame *Panel1;
    QFrame *Panel2;
    QFrame *Panel3;
    QFrame *Panel4;
    QFrame *Panel5;
    QFrame *Panel6;
    QFrame *Panel7;
    QFrame *Panel8;
    QFrame *Panel9;
    BitmapView *Image1;
    BitmapView *Image2;
    BitmapView *Image3;
    QLabel *Image5;
    QLabel *Image6;
    QLabel *Image7;
    QLabel *Image8;
    QStatusBar *StatusBar1;
    QLabel *GateNote;  // in the status bar while view Z shows the gate maximum
    ScanBrowserWindow *ScanBrowser = nullptr;
    QMenu *PopupMenu1;
    QAction *Copy1;
    QAction *Copydata1;

    // Right-hand panel
    QSlider *RxSlider1;
    QSlider *RxSlider3;
    DragLine *RxSplitter1;
    DragLine *RxSplitter2;
    DragLine *RxSplitter3;
    QToolButton *BitBtn1;
    QToolButton *BitBtn2;
    QToolButton *BitBtn3;
    QToolButton *BitBtn4;
    QToolButton *SpeedButton1;
    QToolButton *SpeedButton2;
    QToolButton *BitBtn9;
    QToolButton *BitBtn10;
    QTimer *Timer1;

    // Bottom panel
    QFrame *BorderGroup;
    QFrame *CursorGroup;
    QFrame *SwitchGroup;
    std::array<QLabel *, 2> BorderCaptions;
    std::array<QLabel *, 2> LayerCaptions;
    std::array<QLabel *, 3> KeyLabels;
    QSlider *RxSlider2;
    QSlider *RxSlider4;
    QSlider *RxSlider5;
    QSlider *RxSlider6;
    QLabel *RxLabel8;
    QLabel *RxLabel9;
    QLabel *RxLabel10;
    QLabel *RxLabel11;
    QRadioButton *RadioButton1;
    QRadioButton *RadioButton2;
    QRadioButton *RadioButton3;
    QScrollBar *ScrollBar1;
    QScrollBar *ScrollBar2;
    QScrollBar *ScrollBar3;
    QLabel *Label6;
    QLabel *Label7;
    QLabel *Label8;
    QCheckBox *CheckBox1;
    QCheckBox *CheckBox4;
    QCheckBox *CheckBox7;

    // The readings of the finding at the cursor.
    FindingReadout *Readout = nullptr;
    // The indications of the scan shown and its inspection record.
    IndicationKeeper *Indications = nullptr;
    // The thickness map and the comparison with a second scan.
    WallMapKeeper *WallMaps = nullptr;
    SlicePaletteChoice *Palettes = nullptr;
    // Over the 3-D picture while the controls differ from its last renewal.
    QLabel *RenewalNote = nullptr;

protected:
    void paintEvent(QPaintEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    void createMenus();
    QAction *makeMenuItem(const MainCommand &command);
    void createToolBar();
    void addToolButton(QAction *TForm1::*button);
    void createPanels();
    void createSliceView();
    void createRightPanel();
    void createAScanGroup();
    void createThreeDButtons();
    void createBottomPanel();
    void createBorderAndLayerSliders();
    void createCursorGroup();
    void createSwitches();
    // Places the bottom panel's controls for its width and their texts.
    void placeBottomPanel();
    void connectControls();
    void connectSliceControls();
    void connectThreeDControls();

    // Steps of the start-up
    void setInitialViewFields();
    void readStartFile(SettingsStore &settings, bool &open_at_start);
    void writeDefaultsIfMissing(SettingsStore &settings);
    void checkStoredPort(SettingsStore &settings);
    void showPortLabel();
    void applyStoredView(const SettingsStore &settings);
    void createSliceBitmaps();
    // After the window was fitted to the screen again, once its frame is known.
    void followNewClientSize();
    void writeClosingSettings();
    bool storedPortOpens(const SettingsStore &settings) const;
    // The device that stands for COM<n> here.
    QString comDevice(int n) const;

    void placeClientArea();
    void toggleSmoothing();
    void toggleFrames();
    void toggleLayout();
    void focusSliceBar();
    void focusLayerBar();
    void focusDepthBar();
    void focusIfEnabled(QWidget *control);
    void showFileCaption();
    bool overwriteAllowed(const QString &path);
    // The report's own 3-D picture, renewed from the controls as they stand;
    // the window's picture stays as its last renewal left it.
    QImage reportThreeDPicture();
    bool layerOverwriteAllowed(const QString &chosen, LayerFormat format);
    void saveLayerFiles(const QString &chosen, LayerFormat format);
    // Puts back the caption and the name of the scan shown after a file that was not loaded.
    void keepShownFile(const QString &caption);
    void takeFileRead(const QString &path, const ScanFileRead &read, const QString &previousCaption);
    void takeLoadedScan();
    // Puts the scan shown on the recent lists, the window's and the desktop's.
    void rememberShownScan();
    ScanBrowserWindow &scanBrowser();
    void showScanBrowser();
    void refreshFromImageAsRead();
    void refreshFromSmoothedImage();
    // A redraw asked for while held runs once, when the work that held it ends.
    struct HeldRedraw {
        void (TForm1::*redraw)();
        int holds = 0;
        bool asked = false;
    };
    void holdingRedraws(HeldRedraw &held, const std::function<void()> &work);
    // True, and the redraw is remembered, while held.
    static bool heldBack(HeldRedraw &held);
    void reportMissingBytes(int firstMissing);
    void showGateNote();
    void drawCross(int x, int y);
    void pickCell(int x, int y);
    void Start3DView();
    // Shows the 3-D or the flat layout and gives the library its drawing area.
    void applyViewLayout(bool threeD);
    // Runs 3-D work holding view_busy, or drops it when another handler's is under way.
    void holdingView(const std::function<void()> &work);
    // Waits for another handler's 3-D work to end; false when it does not end soon.
    bool waitUntilViewIdle();
    void turnPicture(float turn, float tilt);
    // Turns back to the tracked angles given, one library call a step: the turn first.
    void turnBackTo(int turn, int tilt);
    void zoomPicture(int steps);
    // Keeps the drawing area given to the library, where the mouse turns the
    // picture, and the turn the library was given.
    void watchPictureArea();
    QRect pictureArea() const;
    bool onPicture(QPoint at) const;
    // A plane or start view comes out exactly at its angles even where the
    // tracked angles fell behind the picture: one more turn makes up the rest.
    void alignPicture(int turn, int tilt);
    void createRenewalNote();
    // Shows the note while a scan is shown and the controls differ from the
    // last renewal, at the top left of the 3-D area.
    void showRenewalNote();
    void placeRenewalNote();

    ApplicationWindows &windows_;
    D3dFunctions d3d_;
    QStringList arguments_;
    bool closed_ = false;
    // The scan shown and named in the caption; current_file_name returns to it
    // when a file named for a load, a save or a receive does not become the scan.
    QString shown_file_name_;
    RecentScans recent_scans_;
    AvailableAreaFit *screenFit_;

    std::unique_ptr<QPrinter> printer_;
    QPoint picture_origin_;  // left edge, and bottom edge upward from the window's bottom
    QSize picture_size_;
    // The turn and tilt the library was given in all, which the tracked
    // angles may fall behind.
    float picture_turn_ = 0;
    float picture_tilt_ = 0;
    // The view controls of the last "Renew image".
    struct PictureRenewal {
        UploadRange range;
        int threshold;
        bool operator==(const PictureRenewal &) const = default;
    };
    std::optional<PictureRenewal> renewed_;
    HeldRedraw slice_redraw_{&TForm1::Image1Click};
    HeldRedraw renewal_{&TForm1::Button3Click};
    PictureRenewal renewalOfControls() const;
    bool picture_dragged_ = false;
    DragSteps picture_drag_;
    WheelSteps picture_wheel_;
};

constexpr int kStartTurnAngle = -24;
constexpr int kStartTiltAngle = 6;
