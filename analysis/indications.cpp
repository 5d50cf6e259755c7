#include "indications.h"

#include "checked.h"

#include <algorithm>
#include <cmath>
#include <tuple>

namespace {

// The samples looked at, as a dense box with one byte a sample, and the
// regions found in it marked in a second box.
class SampleSpace {
public:
    SampleSpace(const ScanVolume &volume, const IndicationSearch &search)
        : firstLayer_(std::clamp(search.firstLayer, 1, ScanLayout::kLayerCount)),
          lastLayer_(std::clamp(search.lastLayer, 1, ScanLayout::kLayerCount)),
          firstByte_(std::clamp(search.topBorder + 1, 0, ScanLayout::kTraceLength - 1)),
          lastByte_(std::clamp(search.bottomBorder + 1, 0, ScanLayout::kTraceLength - 1)),
          bytes_(std::max(0, lastByte_ - firstByte_ + 1)),
          layers_(std::max(0, lastLayer_ - firstLayer_ + 1)),
          values_(static_cast<std::size_t>(layers_) * kSlices * bytes_),
          countingLevels_(countingLevelsOf(search, depthScaleFactor(volume)))
    {
        checkRange(0, ScanLayout::kImageSize, volume.scan_image.size());
        const uint8_t *image = volume.scan_image.data();
        for (int layer = 0; layer < layers_; ++layer) {
            for (int slice = 0; slice < kSlices; ++slice) {
                const uint8_t *trace = image + TraceOffset(firstLayer_ + layer, slice) + firstByte_;
                std::copy_n(trace, bytes_, values_.data() + index(layer, slice, 0));
            }
        }
    }

    int size() const { return static_cast<int>(values_.size()); }
    int value(int at) const { return values_[static_cast<std::size_t>(at)]; }
    // A mark for every sample below the search's detection level at its
    // depth: what a search has passed over before it begins.
    std::vector<uint8_t> belowTheLevel() const
    {
        std::vector<uint8_t> below(values_.size());
        for (std::size_t trace = 0; trace < values_.size(); trace += static_cast<std::size_t>(bytes_)) {
            for (int byte = 0; byte < bytes_; ++byte)
                below[trace + byte] = values_[trace + byte] < countingLevels_[static_cast<std::size_t>(byte)];
        }
        return below;
    }

    std::optional<int> indexOf(const SamplePoint &point) const
    {
        const int layer = point.layer - firstLayer_;
        const int byte = point.byte - firstByte_;
        if (layer < 0 || layer >= layers_ || point.slice < 0 || point.slice >= kSlices || byte < 0 || byte >= bytes_)
            return std::nullopt;
        return index(layer, point.slice, byte);
    }

    SamplePoint pointOf(int at) const
    {
        return {firstLayer_ + at / (kSlices * bytes_), at / bytes_ % kSlices, firstByte_ + at % bytes_};
    }

    // The samples that count and touch start by faces, start first, leaving
    // out those marked in seen; each is marked in seen.
    template <class Counts>
    void grow(int start, Counts counts, std::vector<uint8_t> &seen, std::vector<int> &region) const
    {
        region.clear();
        region.push_back(start);
        seen[static_cast<std::size_t>(start)] = 1;
        for (std::size_t next = 0; next < region.size(); ++next) {
            const int at = region[next];
            const SamplePoint point = pointOf(at);
            const int byte = point.byte - firstByte_;
            const int layer = point.layer - firstLayer_;
            const auto visit = [&](bool inside, int neighbour) {
                if (inside && !seen[static_cast<std::size_t>(neighbour)] && counts(neighbour)) {
                    seen[static_cast<std::size_t>(neighbour)] = 1;
                    region.push_back(neighbour);
                }
            };
            visit(byte > 0, at - 1);
            visit(byte < bytes_ - 1, at + 1);
            visit(point.slice > 0, at - bytes_);
            visit(point.slice < kSlices - 1, at + bytes_);
            visit(layer > 0, at - kSlices * bytes_);
            visit(layer < layers_ - 1, at + kSlices * bytes_);
        }
    }

private:
    static constexpr int kSlices = ScanLayout::kSlicesPerLayer;
    static constexpr int kAboveEverySample = 256;

    int index(int layer, int slice, int byte) const { return (layer * kSlices + slice) * bytes_ + byte; }

    // The least value that counts at each trace byte of the gate.
    std::vector<int> countingLevelsOf(const IndicationSearch &search, int depthScale) const
    {
        std::vector<int> levels(static_cast<std::size_t>(std::max(bytes_, 1)), search.level);
        if (!search.dacLevel)
            return levels;
        const double factor = std::pow(10.0, search.dacLevel->decibels / 20.0);
        for (int byte = 0; byte < bytes_; ++byte) {
            const double dac = search.dacLevel->curve.at((firstByte_ + byte) * static_cast<double>(depthScale) / 16.0);
            levels[static_cast<std::size_t>(byte)] =
                std::clamp(static_cast<int>(std::ceil(dac * factor - 1e-9)), 1, kAboveEverySample);
        }
        return levels;
    }

    int firstLayer_;
    int lastLayer_;
    int firstByte_;
    int lastByte_;
    int bytes_;
    int layers_;
    std::vector<uint8_t> values_;
    std::vector<int> countingLevels_;
};

SampleBox boxOf(const SampleSpace &space, const std::vector<int> &samples)
{
    const SamplePoint first = space.pointOf(samples.front());
    SampleBox box{first.slice, first.slice, first.layer, first.layer, first.byte, first.byte};
    for (const int at : samples) {
        const SamplePoint point = space.pointOf(at);
        box.sliceFirst = std::min(box.sliceFirst, point.slice);
        box.sliceLast = std::max(box.sliceLast, point.slice);
        box.layerFirst = std::min(box.layerFirst, point.layer);
        box.layerLast = std::max(box.layerLast, point.layer);
        box.byteFirst = std::min(box.byteFirst, point.byte);
        box.byteLast = std::max(box.byteLast, point.byte);
    }
    return box;
}

// The samples are visited layer by layer, slice by slice, byte by byte, so
// the first of the largest is the peak the ties call for.
int peakOf(const SampleSpace &space, const std::vector<int> &samples)
{
    int peak = samples.front();
    for (const int at : samples) {
        if (space.value(at) > space.value(peak) || (space.value(at) == space.value(peak) && at < peak))
            peak = at;
    }
    return peak;
}

SampleBox dropBox(const SampleSpace &space, int peak, double dropDb, std::vector<int> &scratch)
{
    std::vector<uint8_t> seen(static_cast<std::size_t>(space.size()), 0);
    const int level = dropLevel(space.value(peak), dropDb);
    space.grow(peak, [&space, level](int at) { return space.value(at) >= level; }, seen, scratch);
    return boxOf(space, scratch);
}

auto rankOf(const Indication &indication)
{
    return std::make_tuple(-indication.peak, indication.peakAt.layer, indication.peakAt.slice, indication.peakAt.byte);
}

}  // namespace

IndicationSearch searchOfView(const ViewState &view)
{
    IndicationSearch search;
    search.topBorder = view.topBorder;
    search.bottomBorder = view.bottomBorder;
    search.firstLayer = view.firstLayer;
    search.lastLayer = view.lastLayer;
    return search;
}

int dropLevel(int peak, double dropDb)
{
    return static_cast<int>(std::ceil(peak * std::pow(10.0, -dropDb / 20.0) - 1e-9));
}

std::vector<Indication> findIndications(const ScanVolume &volume, const IndicationSearch &search)
{
    const SampleSpace space(volume, search);
    std::vector<uint8_t> seen = space.belowTheLevel();
    std::vector<int> region;
    std::vector<int> drop;
    std::vector<Indication> found;
    for (int at = 0; at < space.size(); ++at) {
        if (seen[static_cast<std::size_t>(at)])
            continue;
        space.grow(at, [](int) { return true; }, seen, region);
        if (static_cast<int>(region.size()) < search.minSamples)
            continue;
        const int peak = peakOf(space, region);
        Indication indication;
        indication.peak = space.value(peak);
        indication.peakAt = space.pointOf(peak);
        indication.samples = static_cast<int>(region.size());
        indication.region = boxOf(space, region);
        indication.drop = dropBox(space, peak, search.dropDb, drop);
        found.push_back(indication);
    }
    numberIndications(found);
    return found;
}

std::optional<Indication> indicationAt(const ScanVolume &volume, const IndicationSearch &search,
                                       const SamplePoint &at)
{
    const SampleSpace space(volume, search);
    const std::optional<int> start = space.indexOf(at);
    if (!start || space.value(*start) == 0)
        return std::nullopt;
    std::vector<int> drop;
    Indication indication;
    indication.peak = space.value(*start);
    indication.peakAt = at;
    indication.drop = dropBox(space, *start, search.dropDb, drop);
    indication.region = indication.drop;
    indication.samples = static_cast<int>(drop.size());
    indication.added = true;
    return indication;
}

void numberIndications(std::vector<Indication> &indications)
{
    std::stable_sort(indications.begin(), indications.end(),
                     [](const Indication &a, const Indication &b) { return rankOf(a) < rankOf(b); });
    for (std::size_t n = 0; n < indications.size(); ++n)
        indications[n].number = static_cast<int>(n) + 1;
}
