// Start-up, settings and closing of the main window, and the About command.

#include "about_window.h"
#include "application_title.h"
#include "com_ports.h"
#include "dialog_seam.h"
#include "indication_keeper.h"
#include "main_window.h"
#include "program_messages.h"
#include "scan_file_format.h"
#include "screen_cursors.h"
#include "screen_fit.h"
#include "settings_store.h"
#include "splash_window.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QLabel>
#include <QScopeGuard>
#include <QSlider>

namespace {

// Values written when any of them is missing from the store.
namespace Defaults {
const QString FileName = QStringLiteral("unnamed") + ScanFileFormat::text(ScanFileFormat::kExtension);
constexpr int Light = 1;
constexpr int Line = 0;
constexpr int Solid = 1;
constexpr int Zone = 1;
constexpr int Bright = 128;
constexpr int Level = 40;
constexpr int Mode = 1;
}  // namespace Defaults

int modeOf(uint8_t externalAdapter)
{
    return externalAdapter ? 0 : 1;
}

uint8_t adapterFromMode(const SettingsStore &settings)
{
    return settings.readInteger(SettingNames::Mode).value_or(Defaults::Mode) == 0 ? 1 : 0;
}

}  // namespace

void TForm1::FormCreate()
{
    form_ready = 0;
    // Start-up ends ready also when the start file could not be opened, so
    // that the threshold slider renews the 3-D picture for the rest of the run.
    const auto markReady = qScopeGuard([this] { form_ready = 1; });
    bool open_at_start = false;
    bool starts_with_last_file = false;

    AllocateVolumeArrays(volume, [] { showErrorMessage(kNotEnoughMemory); });
    registerScreenCursor(kHandCursor, QCursor(Qt::PointingHandCursor));
    setInitialViewFields();
    move(0, 0);

    {
        SettingsStore settings;
        readStartFile(settings, open_at_start);
        starts_with_last_file =
            open_at_start && settings.readString(SettingNames::LastFile) == volume.current_file_name;
        writeDefaultsIfMissing(settings);
        checkStoredPort(settings);
        showPortLabel();
        applyStoredView(settings);
        recent_scans_.read(settings);
        settings.close();
    }
    if (auto problem = SettingsStore::fileProblem()) {
        (*problem)[0] = problem->at(0).toLower();
        dialogs().showMessage({kApplicationTitle,
                               QStringLiteral("The settings file %1 is not read: %2. The program starts with the "
                                              "default settings and leaves the file as it is; the settings of "
                                              "this run are not kept.")
                                   .arg(SettingsStore::filePath(), *problem),
                               MessageIcon::Warning, MessageButtons::Ok});
    }

    std::fill_n(volume.scan_image.data(), ScanLayout::kClearedEntries, uint8_t{0});
    view_busy = 0;
    Label6->setText(QStringLiteral("31"));
    Label7->setText(QStringLiteral("31"));
    Label8->setText(QStringLiteral("31"));
    screenFit_->fit();

    FillStartPicture(volume);
    placeClientArea();
    Start3DView();
    FormResize();
    Image1Click();
    DrawAxisRulers();
    createSliceBitmaps();
    // The rulers follow the cells of the bitmap that stays, also when no
    // file opens to redraw them.
    measureCells(volume, image3Bitmap, geometry);
    DrawAxisRulers();

    if (open_at_start)
        OpenTGO();
    // A last file that could not be shown is tried, with its message, at
    // this start only.
    if (starts_with_last_file && shown_file_name_.isEmpty()) {
        SettingsStore settings;
        settings.writeString(SettingNames::LastFile, QString());
        settings.close();
    }
}

void TForm1::setInitialViewFields()
{
    smoothing = 0;
    picking = 0;
    dragging_top = dragging_bottom = dragging_threshold = 0;
    view_busy = 0;
    turn_angle = kStartTurnAngle;
    tilt_angle = kStartTiltAngle;
    idle_ticks = 0;
}

// The bitmaps of the slice image and the overview at their final size: the
// slice image as wide as the bottom ruler less the left one, as high as the
// left ruler.
void TForm1::createSliceBitmaps()
{
    image3Bitmap = makeSliceBitmap(Image7->width() - Image8->width(), Image8->height());
    image1Bitmap = makeSliceBitmap(kOverviewWidth, kOverviewHeight);
}

// The window is fitted again when the window manager has framed it: the slice
// bitmaps then take the new size and everything is drawn afresh.
void TForm1::followNewClientSize()
{
    if (!form_ready)
        return;
    const QSize sliceSize(Image7->width() - Image8->width(), Image8->height());
    if (sliceSize == image3Bitmap.size())
        return;
    createSliceBitmaps();
    Image1Click();
    DrawAxisRulers();
}

void TForm1::readStartFile(SettingsStore &settings, bool &open_at_start)
{
    if (const auto lastDir = settings.readString(SettingNames::LastDir))
        last_dir = *lastDir;
    // The argument list arrives already split, so a file named on the command
    // line opens whether or not the installer stored its folder.
    TakeCommandLineFile(open_at_start);
    // an empty Last_File is left by a run that showed no scan: there is nothing to open
    if (const auto lastFile = settings.readString(SettingNames::LastFile);
        lastFile && !lastFile->isEmpty() && !open_at_start) {
        volume.current_file_name = *lastFile;
        open_at_start = true;
    }
}

void TForm1::TakeCommandLineFile(bool &open_at_start)
{
    if (arguments_.size() < 2 || arguments_[1].isEmpty())
        return;
    volume.current_file_name = QFileInfo(arguments_[1]).absoluteFilePath();
    open_at_start = true;
}

void TForm1::writeDefaultsIfMissing(SettingsStore &settings)
{
    const QString required[] = {SettingNames::FileName, SettingNames::Light, SettingNames::Line,
                                SettingNames::Solid,    SettingNames::Zone,  SettingNames::Bright,
                                SettingNames::Level,    SettingNames::Port,  SettingNames::Mode};
    const bool complete = std::all_of(std::begin(required), std::end(required), [&](const QString &name) {
        return name == SettingNames::FileName ? settings.contains(name) : settings.readInteger(name).has_value();
    });
    if (complete)
        return;
    settings.writeString(SettingNames::FileName, Defaults::FileName);
    settings.writeInteger(SettingNames::Light, Defaults::Light);
    settings.writeInteger(SettingNames::Line, Defaults::Line);
    settings.writeInteger(SettingNames::Solid, Defaults::Solid);
    settings.writeInteger(SettingNames::Zone, Defaults::Zone);
    settings.writeInteger(SettingNames::Bright, Defaults::Bright);
    settings.writeInteger(SettingNames::Level, Defaults::Level);
    settings.writeInteger(SettingNames::Port, port_number);
    settings.writeInteger(SettingNames::Mode, Defaults::Mode);
    external_adapter = 0;
}

void TForm1::checkStoredPort(SettingsStore &settings)
{
    port_number = settings.readInteger(SettingNames::Port).value_or(0);
    // The adapter choice is known before the check, so that a port that is
    // absent at start does not overwrite the stored choice.
    external_adapter = adapterFromMode(settings);
    if (storedPortOpens(settings))
        return;
    Option1Click();
    settings.writeInteger(SettingNames::Port, port_number);
    settings.writeInteger(SettingNames::Mode, modeOf(external_adapter));
}

bool TForm1::storedPortOpens(const SettingsStore &settings) const
{
    const int n = comPortIndex(comPortName(port_number));
    if (n == 0)
        return false;
    const auto stored = settings.readString(SettingNames::comDevice(n));
    return serialDeviceOpens(comDevicePath(n, stored.value_or(QString())));
}

QString TForm1::comDevice(int n) const
{
    return comDevicePath(n, SettingsStore().readString(SettingNames::comDevice(n)).value_or(QString()));
}

void TForm1::showPortLabel()
{
    RxLabel6->setText(QStringLiteral("Port : COM%1 speed : 115200").arg(port_number));
}

void TForm1::applyStoredView(const SettingsStore &settings)
{
    RxSlider1->setValue(settings.readInteger(SettingNames::Bright).value_or(Defaults::Bright));
    RxSlider3->setValue(settings.readInteger(SettingNames::Level).value_or(Defaults::Level));
    external_adapter = adapterFromMode(settings);
    light_on = 1;
    if (settings.readInteger(SettingNames::Zone).value_or(Defaults::Zone) == 1)
        CheckBox1->setChecked(true);
}

void TForm1::FormPaint()
{
    if (splash_pending) {
        if (windows_.splash)
            windows_.splash->hide();
        splash_pending = 0;
    }
    d3d_.d3dupdate_();
}

void TForm1::FormClose()
{
    if (closed_)
        return;
    closed_ = true;
    Indications->leaveScan();
    ReleaseVolumeArrays(volume);
    writeClosingSettings();
    d3d_.d3dclose_();
    delete windows_.splash.data();
}

void TForm1::writeClosingSettings()
{
    SettingsStore settings;
    settings.writeString(SettingNames::FileName, volume.current_file_name);
    settings.writeInteger(SettingNames::Bright, RxSlider1->value());
    settings.writeInteger(SettingNames::Level, RxSlider3->value());
    settings.writeInteger(SettingNames::Light, light_on);
    // A run that showed no scan (or whose start file could not be opened)
    // leaves the stored last file and folder for the next one.
    if (!volume.current_file_name.isEmpty()) {
        settings.writeString(SettingNames::LastFile, volume.current_file_name);
        settings.writeString(SettingNames::LastDir, QFileInfo(volume.current_file_name).absolutePath());
    }
    settings.writeInteger(SettingNames::Mode, modeOf(external_adapter));
    settings.writeInteger(SettingNames::Port, port_number);
    settings.writeInteger(SettingNames::Line, 1);
    settings.writeInteger(SettingNames::Solid, 1);
    settings.writeInteger(SettingNames::Zone, CheckBox1->isChecked() ? 1 : 0);
    settings.writeInteger(SettingNames::TurnAngle, turn_angle);
    settings.writeInteger(SettingNames::TiltAngle, tilt_angle);
    recent_scans_.write(settings);
    settings.close();
}

void TForm1::Exit1Click()
{
    d3d_.d3dclose_();
    close();
}

void TForm1::About1Click()
{
    if (windows_.about)
        dialogs().runModal(*windows_.about);
}
