// velmora-cli report FILE [view options] [--measure-to S,L,P] [--slice-pitch MM]
// [--layer-pitch MM] [--reference V] [--turn DEG] [--tilt DEG] [--zoom STEPS]
// [--notes TEXT] --output OUT.pdf: the inspection report of the program.

#include "cli_commands.h"

#include "command_line.h"
#include "probe_options.h"
#include "report_content.h"
#include "scan_loading.h"
#include "three_d_picture.h"

#include <QFileInfo>

#include <memory>

int runReport(const QStringList &arguments)
{
    CommandLine line(arguments);
    ViewState view;
    line.takeViewOptions(view);
    ProbeOptions options;
    const bool optionsRead = takeProbeOptions(line, options);
    const auto turn = takeTurnOptions(line);
    const auto notes = line.takeValue(QStringLiteral("--notes"));
    const auto output = line.takeValue(QStringLiteral("--output"));
    const QString file = line.takeFile();
    if (line.failed() || !optionsRead || !turn || !output) {
        if (!line.failed() && optionsRead && turn)
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
    inputs.notes = notes.value_or(QString());
    inputs.picture3d = drawThreeDPicture(*volume, view, options.probe, *turn, kReportThreeDSize, {});
    const InspectionReport report = inspectionReportOf(*volume, view, inputs);
    return fileWritten(*output, writeInspectionReport(*output, report)) ? 0 : 1;
}
