// velmora-cli thickness FILE [view options] [--level V] [--mode peak|flank]
// [--nominal MM] [--json|--csv] [--size WxH] [--image OUT.png]: the remaining
// wall of every trace and its figures, as the thickness map window gives them.

#include "cli_commands.h"

#include "command_line.h"
#include "probe_options.h"
#include "scan_loading.h"
#include "wall_map_options.h"
#include "wall_map_picture.h"
#include "wall_map_tables.h"

#include <QJsonDocument>

#include <memory>

int runThickness(const QStringList &arguments)
{
    CommandLine line(arguments);
    ViewState view;
    line.takeViewOptions(view);
    const auto search = takeThicknessSearch(line, view);
    std::optional<double> nominal;
    const bool nominalRead = takePitch(line, QStringLiteral("--nominal"), nominal);
    const bool csv = line.takeCsvChoice();
    const auto picture = takeMapPicture(line);
    const QString file = line.takeFile();
    if (line.failed() || !search || !nominalRead || !picture)
        return 2;

    auto volume = std::make_unique<ScanVolume>();
    if (!loadScan(file, *volume))
        return 1;
    const ThicknessMap map = thicknessMap(*volume, *search);
    if (!writeMapPicture(*picture, [&](QSize size) { return thicknessMapPicture(map, size); }))
        return 1;
    if (csv)
        printOutput(thicknessCsv(map));
    else
        printOutput(QJsonDocument(thicknessObject(map, thicknessFigures(map, nominal))).toJson(QJsonDocument::Indented));
    return 0;
}
