// velmora-cli report FILE [view options] [--measure-to S,L,P] [--slice-pitch MM]
// [--layer-pitch MM] [--reference V] [--dac D:V,...] [--tcg] [--recording-db R
// --acceptance-db A [--max-length MM]] [--palette NAME] [--turn DEG] [--tilt DEG]
// [--zoom STEPS] [--notes TEXT] [--thickness [--level V] [--mode peak|flank]
// [--nominal MM]]
// --output OUT.pdf: the inspection report of the program, with the record and
// the indications of the scan's inspection file when it has one, and the
// thickness map when asked for.

#include "cli_commands.h"

#include "command_line.h"
#include "probe_options.h"
#include "report_content.h"
#include "scan_loading.h"
#include "three_d_picture.h"
#include "wall_map_options.h"

#include <QFileInfo>

#include <memory>

int runReport(const QStringList &arguments)
{
    CommandLine line(arguments);
    ViewState view;
    line.takeViewOptions(view);
    ProbeOptions options;
    std::optional<DacCurve> dac;
    std::optional<EvaluationLevels> levels;
    bool timeCorrectedGain = false;
    const bool optionsRead = takeProbeOptions(line, options) && takeDacCurve(line, dac) &&
                             takeTimeCorrectedGain(line, dac, timeCorrectedGain) &&
                             takeEvaluationLevels(line, levels);
    const auto palette = takePalette(line);
    const auto turn = takeTurnOptions(line);
    const bool thickness = line.takeFlag(QStringLiteral("--thickness"));
    const auto thicknessSearch = takeThicknessSearch(line, view);
    std::optional<double> nominal;
    const bool thicknessRead = thicknessSearch && takePitch(line, QStringLiteral("--nominal"), nominal);
    const auto notes = line.takeValue(QStringLiteral("--notes"));
    const auto output = line.takeValue(QStringLiteral("--output"));
    const QString file = line.takeFile();
    if (line.failed() || !optionsRead || !palette || !turn || !thicknessRead || !output) {
        if (!line.failed() && optionsRead && palette && turn && thicknessRead)
            reportFailure(QStringLiteral("usage: velmora-cli report FILE [view options] ... --output OUT.pdf"));
        return 2;
    }
    auto volume = std::make_unique<ScanVolume>();
    if (!loadScan(file, *volume))
        return 1;

    ReportInputs inputs;
    inputs.programTitle = kProgramTitle;
    inputs.fileName = QFileInfo(file).absoluteFilePath();
    inputs.fileModified = QFileInfo(file).lastModified();
    inputs.made = QDateTime::currentDateTime();
    inputs.reference = options.reference;
    inputs.measurePoint = options.measurePoint;
    inputs.probe = options.probe;
    inputs.dac = dac;
    inputs.levels = levels;
    inputs.timeCorrectedGain = timeCorrectedGain;
    inputs.palette = *palette;
    inputs.notes = notes.value_or(QString());
    if (thickness)
        inputs.thickness = ReportThickness{*thicknessSearch, nominal};
    ReportInspectionRead inspection = reportInspectionOf(file);
    if (!inspection.problem.isEmpty())
        reportFailure(inspection.problem);
    inputs.inspection = std::move(inspection.inspection);
    // the 3-D picture shows the indications' boxes, as the window's does
    const std::vector<Indication> boxes =
        inputs.inspection ? inputs.inspection->findings.indications : std::vector<Indication>{};
    inputs.picture3d = drawThreeDPicture(*volume, view, options.probe, *turn, kReportThreeDSize, boxes);
    const InspectionReport report = inspectionReportOf(*volume, view, inputs);
    return fileWritten(*output, writeInspectionReport(*output, report)) ? 0 : 1;
}
