// velmora-cli probe FILE [view options] [--measure-to S,L,P] [--slice-pitch MM]
// [--layer-pitch MM] [--reference V] [--json]: the readings of the finding at
// the cursor, as the program's read-outs give them.

#include "cli_commands.h"

#include "command_line.h"
#include "finding_readings.h"
#include "scan_loading.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>

#include <memory>

namespace {

constexpr int kHighestSample = 255;

struct ProbeOptions {
    std::optional<VolumePoint> measurePoint;
    ProbeGeometry probe;
    std::optional<int> reference;
};

// "S,L,P": slice, layer and depth position numbered as --slice, --layer and --depth.
std::optional<VolumePoint> parsePoint(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != 3)
        return std::nullopt;
    int values[3];
    for (int i = 0; i < 3; ++i) {
        bool ok = false;
        values[i] = parts[i].trimmed().toInt(&ok);
        if (!ok)
            return std::nullopt;
    }
    const VolumePoint point{values[0], values[1], values[2]};
    if (ViewRanges::Slice.clamp(point.slice) != point.slice || ViewRanges::Layer.clamp(point.layer) != point.layer
        || ViewRanges::Depth.clamp(point.depth) != point.depth)
        return std::nullopt;
    return point;
}

bool takePitch(CommandLine &line, const QString &name, std::optional<double> &pitch)
{
    const auto text = line.takeValue(name);
    if (!text)
        return true;
    const auto parsed = parsePitch(*text);
    if (!parsed || !*parsed) {
        reportFailure(QStringLiteral("%1 takes a positive number of millimetres, not \"%2\"").arg(name, *text));
        return false;
    }
    pitch = *parsed;
    return true;
}

bool takeProbeOptions(CommandLine &line, ProbeOptions &options)
{
    if (const auto point = line.takeValue(QStringLiteral("--measure-to"))) {
        options.measurePoint = parsePoint(*point);
        if (!options.measurePoint) {
            reportFailure(QStringLiteral("--measure-to takes S,L,P (slice 0..39, layer 1..24, depth 0..127), "
                                         "not \"%1\"").arg(*point));
            return false;
        }
    }
    if (!takePitch(line, QStringLiteral("--slice-pitch"), options.probe.slicePitch)
        || !takePitch(line, QStringLiteral("--layer-pitch"), options.probe.layerPitch))
        return false;
    if (const auto reference = line.takeValue(QStringLiteral("--reference"))) {
        bool ok = false;
        const int value = reference->toInt(&ok);
        if (!ok || value < 1 || value > kHighestSample) {
            reportFailure(QStringLiteral("--reference takes a sample value 1..255, not \"%1\"").arg(*reference));
            return false;
        }
        options.reference = value;
    }
    return true;
}

QString textOf(const QVariant &value)
{
    if (value.isNull())
        return QStringLiteral("-inf");
    if (value.typeId() == QMetaType::Double)
        return QString::number(value.toDouble(), 'f', 1);
    return value.toString();
}

void printText(const QList<ReadingField> &fields)
{
    for (const ReadingField &field : fields)
        printLine(field.name + QStringLiteral(": ") + textOf(field.value));
}

void printJson(const QList<ReadingField> &fields)
{
    QJsonObject object;
    for (const ReadingField &field : fields)
        object.insert(field.name, field.value.isNull() ? QJsonValue(QJsonValue::Null) : QJsonValue::fromVariant(field.value));
    printLine(QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact)));
}

}  // namespace

int runProbe(const QStringList &arguments)
{
    CommandLine line(arguments);
    ViewState view;
    line.takeViewOptions(view);
    ProbeOptions options;
    const bool optionsRead = takeProbeOptions(line, options);
    const bool json = line.takeFlag(QStringLiteral("--json"));
    const QString file = line.takeFile();
    if (line.failed() || !optionsRead)
        return 2;

    auto volume = std::make_unique<ScanVolume>();
    if (!loadScan(file, *volume))
        return 1;
    const FindingReadings readings =
        readFinding(*volume, view, options.reference, options.measurePoint, options.probe);
    const QList<ReadingField> fields = readingFields(readings);
    if (json)
        printJson(fields);
    else
        printText(fields);
    return 0;
}
