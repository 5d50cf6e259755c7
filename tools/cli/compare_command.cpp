// velmora-cli compare A.vlm B.vlm [view options] [--json] [--size WxH]
// [--image OUT.png]: the gate maxima of two scans of one place and their
// difference in dB, trace by trace, as the comparison window gives them.

#include "cli_commands.h"

#include "command_line.h"
#include "scan_loading.h"
#include "wall_map_options.h"
#include "wall_map_picture.h"
#include "wall_map_tables.h"

#include <QJsonDocument>

#include <memory>

int runCompare(const QStringList &arguments)
{
    CommandLine line(arguments);
    ViewState view;
    line.takeViewOptions(view);
    line.takeFlag(QStringLiteral("--json"));  // the one output there is
    const auto picture = takeMapPicture(line);
    const QStringList files = line.takeFiles();
    if (line.failed() || !picture || files.isEmpty())
        return 2;
    if (files.size() != 2) {
        reportFailure(QStringLiteral("compare takes two scan files, A and B, not %1").arg(files.size()));
        return 2;
    }

    auto a = std::make_unique<ScanVolume>();
    auto b = std::make_unique<ScanVolume>();
    if (!loadScan(files[0], *a) || !loadScan(files[1], *b))
        return 1;
    const ScanComparison comparison = compareScans(*a, *b, mapGateOfView(view));
    if (!writeMapPicture(*picture, [&](QSize size) { return differenceMapPicture(comparison, size); }))
        return 1;
    printOutput(QJsonDocument(comparisonObject(comparison, comparisonFigures(comparison))).toJson(QJsonDocument::Indented));
    return 0;
}
