// velmora-cli indications FILE [view options] [--level V | --level-dac-db DB]
// [--drop DB] [--min-samples N] [--slice-pitch MM] [--layer-pitch MM]
// [--reference V] [--dac D:V,...] [--recording-db R --acceptance-db A
// [--max-length MM]] [--json|--csv] [--save]: the indications of a scan as the
// window's table finds them; --save keeps them in the scan's inspection file.

#include "cli_commands.h"

#include "command_line.h"
#include "inspection_file.h"
#include "inspection_findings.h"
#include "probe_options.h"
#include "scan_loading.h"
#include "search_options.h"

#include <QJsonDocument>

#include <memory>

namespace {

// Keeps the findings in the scan's inspection file, with the record and the
// comments of the one there; a file that is not this scan's stays untouched.
bool saveFindings(const QString &file, InspectionFindings &findings)
{
    const InspectionRead before = readInspectionFile(file);
    if (before.status == InspectionRead::Status::Refused || before.status == InspectionRead::Status::OtherScan) {
        reportFailure(before.problem + QStringLiteral("; nothing is saved"));
        return false;
    }
    Inspection inspection = before.inspection;
    findings.indications =
        keepingComments(findings.indications, findingsFrom(inspection.findings).indications);
    keepFindingsIn(inspection, findings);
    return fileWritten(inspectionFilePath(file), writeInspectionFile(file, inspection));
}

}  // namespace

int runIndications(const QStringList &arguments)
{
    CommandLine line(arguments);
    ViewState view;
    line.takeViewOptions(view);
    InspectionFindings findings;
    const bool scaleRead = takeProbeGeometry(line, findings.scale.probe) &&
                           takeReference(line, findings.scale.reference) && takeDacCurve(line, findings.scale.dac) &&
                           takeEvaluationLevels(line, findings.scale.levels);
    const auto search = scaleRead ? takeIndicationSearch(line, view, findings.scale.dac) : std::nullopt;
    const bool csv = line.takeCsvChoice();
    const bool save = line.takeFlag(QStringLiteral("--save"));
    const QString file = line.takeFile();
    if (line.failed() || !search || !scaleRead)
        return 2;

    auto volume = std::make_unique<ScanVolume>();
    if (!loadScan(file, *volume))
        return 1;
    findings.search = *search;
    findings.scale.depthScale = depthScaleFactor(*volume);
    findings.indications = findIndications(*volume, findings.search);
    if (save && !saveFindings(file, findings))
        return 1;
    if (csv)
        printOutput(indicationCsv(findings.indications, findings.scale));
    else
        printOutput(QJsonDocument(findingsObject(findings)).toJson(QJsonDocument::Indented));
    return 0;
}
