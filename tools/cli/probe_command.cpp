// velmora-cli probe FILE [view options] [--measure-to S,L,P] [--slice-pitch MM]
// [--layer-pitch MM] [--reference V] [--json]: the readings of the finding at
// the cursor, as the program's read-outs give them.

#include "cli_commands.h"

#include "command_line.h"
#include "finding_readings.h"
#include "probe_options.h"
#include "scan_loading.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>

#include <memory>

namespace {

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
    std::optional<DacCurve> dac;
    const bool optionsRead = takeProbeOptions(line, options) && takeDacCurve(line, dac);
    const bool json = line.takeFlag(QStringLiteral("--json"));
    const QString file = line.takeFile();
    if (line.failed() || !optionsRead)
        return 2;

    auto volume = std::make_unique<ScanVolume>();
    if (!loadScan(file, *volume))
        return 1;
    FindingReadings readings =
        readFinding(*volume, view, options.reference, options.measurePoint, options.probe);
    if (dac)
        readAgainstDac(readings, *dac, depthScaleFactor(*volume));
    const QList<ReadingField> fields = readingFields(readings);
    if (json)
        printJson(fields);
    else
        printText(fields);
    return 0;
}
