#pragma once
// The per-user settings store: one key, "Software\qrn\Velmora\1.5", kept as
// an INI file at $XDG_CONFIG_HOME/qrn/Velmora/1.5.ini (~/.config when unset).
// Value names are compared without regard to letter case. Only a regular
// file of at most 1 MB is read; any other is left as it is, and the run keeps
// its settings to itself, starting from the defaults.

#include <QSettings>
#include <QString>

#include <optional>

namespace SettingNames {
inline const QString FileName = QStringLiteral("FileName");
inline const QString LastFile = QStringLiteral("Last_File");
inline const QString LastDir = QStringLiteral("LastDir");
inline const QString Bright = QStringLiteral("Bright");
inline const QString Level = QStringLiteral("Level");
inline const QString Port = QStringLiteral("Port");
inline const QString Mode = QStringLiteral("Mode");
inline const QString Zone = QStringLiteral("Zone");
inline const QString Light = QStringLiteral("Light");
inline const QString Line = QStringLiteral("Line");
inline const QString Solid = QStringLiteral("Solid");
// The reference amplitude and the probe's pitches in millimetres; empty when unknown.
inline const QString Reference = QStringLiteral("Reference");
inline const QString SlicePitch = QStringLiteral("SlicePitch");
inline const QString LayerPitch = QStringLiteral("LayerPitch");
// The last DAC calibration, "depth:value,depth:value,…" in mm and sample values.
inline const QString DacPoints = QStringLiteral("DacPoints");
// The evaluation levels in dB and the length limit in mm; empty when not set.
inline const QString RecordingDb = QStringLiteral("RecordingDb");
inline const QString AcceptanceDb = QStringLiteral("AcceptanceDb");
inline const QString MaxLengthMm = QStringLiteral("MaxLengthMm");
// 1 when the slice pictures are drawn through the DAC's gain.
inline const QString TimeCorrectedGain = QStringLiteral("TimeCorrectedGain");
// The palette of the slice pictures: grey, amplitude or hot.
inline const QString Palette = QStringLiteral("Palette");
// The nominal wall thickness in millimetres the thickness map reads wall loss against; empty for none.
inline const QString NominalWallMm = QStringLiteral("NominalWallMm");
// Where the 3-D picture stood at close, as tracked in degrees: a record for
// the user, not read back (the picture always starts from the start view).
inline const QString TurnAngle = QStringLiteral("TurnAngle");
inline const QString TiltAngle = QStringLiteral("TiltAngle");
// The record fields offered again for the next scan's inspection, by their keys in the inspection file.
QString recordField(const char *key);
// The device that stands for COM<n> (n = 1..4) on this system.
QString comDevice(int n);
// The scan at place n (1 the newest) of File ▸ Open recent.
QString recentScan(int n);
}  // namespace SettingNames

class SettingsStore {
public:
    // Opens the key, creating its folder when missing.
    SettingsStore();

    static QString filePath();
    // Why the settings file is neither read nor written in this run; nullopt
    // when it is used.
    static std::optional<QString> fileProblem();

    bool contains(const QString &name) const;
    std::optional<QString> readString(const QString &name) const;
    // A value that is missing or not a whole number reads as absent.
    std::optional<int> readInteger(const QString &name) const;

    void writeString(const QString &name, const QString &value);
    void writeInteger(const QString &name, int value);

    // Writes everything to the file.
    void close();

private:
    std::optional<QString> storedKey(const QString &name) const;
    void removeOtherSpellings(const QString &name);

    QSettings settings_;
};
