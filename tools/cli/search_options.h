#pragma once
// The options of the indication finder (indications, view3d): its search from
// the view options with the level, the drop and the smallest region given.

#include "command_line.h"
#include "indications.h"

// Takes --level V (or --level-dac-db DB against the dac given), --drop DB and
// --min-samples N over the search of the view; nullopt, with the reason
// reported, for one out of range.
std::optional<IndicationSearch> takeIndicationSearch(CommandLine &line, const ViewState &view,
                                                     const std::optional<DacCurve> &dac);
