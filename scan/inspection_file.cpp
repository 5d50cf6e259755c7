#include "inspection_file.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>

#include <cmath>

const std::array<RecordField, 11> kRecordFields{{
    {"component", &InspectionRecord::component},
    {"location", &InspectionRecord::location},
    {"inspector", &InspectionRecord::inspector},
    {"certification", &InspectionRecord::certification},
    {"procedure", &InspectionRecord::procedure},
    {"instrument", &InspectionRecord::instrument},
    {"probe", &InspectionRecord::probe},
    {"couplant", &InspectionRecord::couplant},
    {"calibration_block", &InspectionRecord::calibrationBlock},
    {"date", &InspectionRecord::date},
    {"notes", &InspectionRecord::notes},
}};

namespace {

const QString kFormatKey = QStringLiteral("format");
const QString kVersionKey = QStringLiteral("version");
const QString kScanKey = QStringLiteral("scan");
const QString kRecordKey = QStringLiteral("record");

bool isOwnKey(const QString &key)
{
    return key == kFormatKey || key == kVersionKey || key == kScanKey || key == kRecordKey;
}

QJsonObject scanObject(const ScanIdentity &scan)
{
    return {{QStringLiteral("file"), scan.file},
            {QStringLiteral("sha256"), scan.sha256},
            {QStringLiteral("size"), static_cast<double>(scan.size)}};
}

ScanIdentity scanFrom(const QJsonObject &object)
{
    return {object.value(QStringLiteral("file")).toString(), object.value(QStringLiteral("sha256")).toString(),
            static_cast<qint64>(object.value(QStringLiteral("size")).toDouble(-1))};
}

QJsonObject recordObject(const InspectionRecord &record)
{
    QJsonObject object;
    for (const RecordField &field : kRecordFields)
        object.insert(QLatin1String(field.key), record.*field.text);
    return object;
}

InspectionRecord recordFrom(const QJsonObject &object)
{
    InspectionRecord record;
    for (const RecordField &field : kRecordFields)
        record.*field.text = object.value(QLatin1String(field.key)).toString();
    return record;
}

QByteArray inspectionJson(const Inspection &inspection)
{
    QJsonObject object = inspection.findings;
    for (const QString &key : object.keys()) {
        if (isOwnKey(key))
            object.remove(key);
    }
    object.insert(kFormatKey, InspectionFileFormat::kFormat);
    object.insert(kVersionKey, InspectionFileFormat::kVersion);
    object.insert(kScanKey, scanObject(inspection.scan));
    object.insert(kRecordKey, recordObject(inspection.record));
    return QJsonDocument(object).toJson(QJsonDocument::Indented);
}

InspectionRead refused(const QString &path, const QString &why)
{
    InspectionRead read;
    read.status = InspectionRead::Status::Refused;
    read.problem = QStringLiteral("%1 is not used: %2").arg(path, why);
    return read;
}

// The parsed file, or the reason it cannot be one of ours.
InspectionRead parseInspection(const QString &path, const QByteArray &bytes)
{
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError)
        return refused(path, QStringLiteral("it is not valid JSON (%1 at byte %2)").arg(error.errorString()).arg(error.offset));
    const QJsonObject object = document.object();
    if (!document.isObject() || object.value(kFormatKey).toString() != InspectionFileFormat::kFormat)
        return refused(path, QStringLiteral("it is not a Velmora inspection file"));
    const QJsonValue version = object.value(kVersionKey);
    if (!version.isDouble() || version.toDouble() < 1 || version.toDouble() != std::floor(version.toDouble()))
        return refused(path, QStringLiteral("its version is missing or not a whole number"));
    if (version.toDouble() > InspectionFileFormat::kVersion) {
        InspectionRead read = refused(path, QStringLiteral("it is of version %1, newer than the version %2 this "
                                                           "program reads")
                                                .arg(version.toDouble())
                                                .arg(InspectionFileFormat::kVersion));
        read.newer = true;
        return read;
    }
    InspectionRead read;
    read.status = InspectionRead::Status::Read;
    read.inspection.scan = scanFrom(object.value(kScanKey).toObject());
    read.inspection.record = recordFrom(object.value(kRecordKey).toObject());
    for (auto it = object.begin(); it != object.end(); ++it) {
        if (!isOwnKey(it.key()))
            read.inspection.findings.insert(it.key(), it.value());
    }
    return read;
}

}  // namespace

QString inspectionFilePath(const QString &scanPath)
{
    return scanPath + InspectionFileFormat::kSuffix;
}

ScanIdentity identifyScanFile(const QString &path, QString *error)
{
    ScanIdentity identity;
    identity.file = QFileInfo(path).fileName();
    QFile file(path);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    if (!file.open(QIODevice::ReadOnly) || !hash.addData(&file)) {
        if (error)
            *error = file.errorString();
        return identity;
    }
    identity.size = file.size();
    identity.sha256 = QString::fromLatin1(hash.result().toHex());
    return identity;
}

InspectionRead readInspectionFile(const QString &scanPath)
{
    const QString path = inspectionFilePath(scanPath);
    QFile file(path);
    if (!file.exists())
        return {};
    if (!file.open(QIODevice::ReadOnly))
        return refused(path, file.errorString());
    InspectionRead read = parseInspection(path, file.readAll());
    if (read.status != InspectionRead::Status::Read)
        return read;
    QString error;
    const ScanIdentity scan = identifyScanFile(scanPath, &error);
    if (scan.sha256.isEmpty())
        return refused(path, QStringLiteral("its scan %1 cannot be read: %2").arg(scanPath, error));
    if (scan.sha256 != read.inspection.scan.sha256 || scan.size != read.inspection.scan.size) {
        read.status = InspectionRead::Status::OtherScan;
        read.problem = QStringLiteral("%1 was made for another scan than %2 (or the scan has changed since)")
                           .arg(path, scanPath);
    }
    return read;
}

WriteOutcome writeInspectionFile(const QString &scanPath, Inspection &inspection)
{
    QString error;
    const ScanIdentity scan = identifyScanFile(scanPath, &error);
    if (scan.sha256.isEmpty())
        return {false, QStringLiteral("its scan %1 cannot be read: %2").arg(scanPath, error)};
    inspection.scan = scan;
    const QByteArray json = inspectionJson(inspection);
    return writeFileWhole(inspectionFilePath(scanPath),
                          [&json](QFileDevice &file) { return file.write(json) == json.size(); });
}

SetAside setInspectionFileAside(const QString &scanPath)
{
    const QString path = inspectionFilePath(scanPath);
    for (int n = 1;; ++n) {
        const QString aside = path + InspectionFileFormat::kSetAsideSuffix + (n > 1 ? QString::number(n) : QString());
        const WriteOutcome moved = moveWithoutReplacing(path, aside);
        if (!moved.fileAppeared)
            return {moved, moved.ok ? aside : QString()};
    }
}
