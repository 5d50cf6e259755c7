#pragma once
// The inspection file: the record of an inspection kept beside its scan,
// NAME.vlm.json next to NAME.vlm, in UTF-8 JSON. It names the scan it belongs
// to by the SHA-256 and size of the scan file, holds the inspection record
// and, under keys of their own, what the analysis keeps (probe geometry,
// reference, detection level, drop, gate, indications).

#include "export_writers.h"

#include <QJsonObject>
#include <QString>

#include <array>

namespace InspectionFileFormat {

inline const QString kFormat = QStringLiteral("velmora-inspection");
constexpr int kVersion = 1;
inline const QString kSuffix = QStringLiteral(".json");
inline const QString kSetAsideSuffix = QStringLiteral(".old");

}  // namespace InspectionFileFormat

// The scan file an inspection belongs to.
struct ScanIdentity {
    QString file;    // the scan file's name, without its folder
    QString sha256;  // of the whole scan file, 64 lower-case hex digits
    qint64 size = 0;
    bool operator==(const ScanIdentity &) const = default;
};

// Who inspected what, where and how: free texts, each kept under its key.
struct InspectionRecord {
    QString component;  // component or weld id
    QString location;
    QString inspector;
    QString certification;
    QString procedure;  // procedure or standard
    QString instrument;  // instrument and serial number
    QString probe;
    QString couplant;
    QString calibrationBlock;
    QString date;  // of the inspection
    QString notes;
    bool operator==(const InspectionRecord &) const = default;
};

// The record's fields and their keys in the file, in the order they are written.
struct RecordField {
    const char *key;
    QString InspectionRecord::*text;
};
extern const std::array<RecordField, 11> kRecordFields;

struct Inspection {
    ScanIdentity scan;
    InspectionRecord record;
    // What the analysis keeps, under keys other than format, version, scan and record.
    QJsonObject findings;
};

// What reading the inspection file of a scan found.
struct InspectionRead {
    enum class Status {
        None,       // no inspection file beside the scan
        Read,       // read, and it belongs to the scan
        OtherScan,  // read, but made for another scan (or the scan changed)
        Refused,    // broken, foreign, newer than this program reads, or unreadable
    };
    Status status = Status::None;
    Inspection inspection;
    QString problem;  // why it is not used, for a message
    bool newer = false;  // refused for a version newer than this program reads
};

QString inspectionFilePath(const QString &scanPath);

// The identity of the scan file at path; an empty sha256 and the reason in
// error when it cannot be read.
ScanIdentity identifyScanFile(const QString &path, QString *error = nullptr);

InspectionRead readInspectionFile(const QString &scanPath);

// Writes the inspection file of the scan at scanPath through the atomic
// writer, naming that scan as it is now (inspection.scan takes its identity).
WriteOutcome writeInspectionFile(const QString &scanPath, Inspection &inspection);

// Moves the inspection file of a scan aside to NAME.vlm.json.old (or .old2,
// .old3 … when that is taken), never over another file; the name it took.
struct SetAside {
    WriteOutcome outcome;
    QString path;
};
SetAside setInspectionFileAside(const QString &scanPath);
