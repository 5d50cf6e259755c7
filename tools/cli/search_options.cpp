#include "search_options.h"

#include "cli_commands.h"
#include "decimal_text.h"

namespace {

constexpr int kLowestDropDb = 1;
constexpr int kHighestDropDb = 60;
constexpr double kLowestDacLevelDb = -60;
constexpr double kHighestDacLevelDb = 40;

// --level-dac-db DB, which needs the DAC it is read against; false, with the
// reason reported, for one that cannot be used.
bool takeDacLevel(CommandLine &line, const std::optional<DacCurve> &dac, std::optional<DacLevel> &level)
{
    const auto text = line.takeValue(QStringLiteral("--level-dac-db"));
    if (!text)
        return true;
    const auto decibels = parseDecimal(*text);
    if (!decibels || *decibels < kLowestDacLevelDb || *decibels > kHighestDacLevelDb) {
        reportFailure(QStringLiteral("--level-dac-db takes dB from %1 to %2, not \"%3\"")
                          .arg(kLowestDacLevelDb)
                          .arg(kHighestDacLevelDb)
                          .arg(*text));
        return false;
    }
    if (!dac) {
        reportFailure(QStringLiteral("--level-dac-db needs the DAC it is read against: --dac D:V,D:V,..."));
        return false;
    }
    level = DacLevel{*dac, *decibels};
    return true;
}

}  // namespace

std::optional<IndicationSearch> takeIndicationSearch(CommandLine &line, const ViewState &view,
                                                     const std::optional<DacCurve> &dac)
{
    IndicationSearch search = searchOfView(view);
    const auto level = line.takeInteger(QStringLiteral("--level"), search.level, 1, 255);
    const auto drop = line.takeReal(QStringLiteral("--drop"), static_cast<float>(search.dropDb), kLowestDropDb,
                                    kHighestDropDb);
    const auto minSamples = line.takeInteger(QStringLiteral("--min-samples"), search.minSamples, 1,
                                             ScanLayout::kLayerCount * ScanLayout::kSlicesPerLayer *
                                                 ScanLayout::kTraceLength);
    if (!level || !drop || !minSamples || !takeDacLevel(line, dac, search.dacLevel))
        return std::nullopt;
    search.level = *level;
    search.dropDb = *drop;
    search.minSamples = *minSamples;
    return search;
}
