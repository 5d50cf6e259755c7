#include "search_options.h"

namespace {

constexpr int kLowestDropDb = 1;
constexpr int kHighestDropDb = 60;

}  // namespace

std::optional<IndicationSearch> takeIndicationSearch(CommandLine &line, const ViewState &view)
{
    IndicationSearch search = searchOfView(view);
    const auto level = line.takeInteger(QStringLiteral("--level"), search.level, 1, 255);
    const auto drop = line.takeReal(QStringLiteral("--drop"), static_cast<float>(search.dropDb), kLowestDropDb,
                                    kHighestDropDb);
    const auto minSamples = line.takeInteger(QStringLiteral("--min-samples"), search.minSamples, 1,
                                             ScanLayout::kLayerCount * ScanLayout::kSlicesPerLayer *
                                                 ScanLayout::kTraceLength);
    if (!level || !drop || !minSamples)
        return std::nullopt;
    search.level = *level;
    search.dropDb = *drop;
    search.minSamples = *minSamples;
    return search;
}
