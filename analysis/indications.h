#pragma once
// Indications: the regions of a scan whose samples reach a detection level,
// each sized by the drop from its peak. The samples looked at are the image
// as shown (scan_image), every slice, the shown layers, and in each trace the
// depth gate of the readings (trace bytes topBorder + 1 .. bottomBorder + 1).

#include "dac_curve.h"
#include "scan_volume.h"
#include "view_state.h"

#include <QString>

#include <optional>
#include <vector>

// A detection level against the DAC: a sample counts when
// 20 log10(v / DAC(its depth)) is at least decibels.
struct DacLevel {
    DacCurve curve;
    double decibels = 0;
};

struct IndicationSearch {
    int level = 64;         // a sample of this value or more is a candidate (1..255)
    std::optional<DacLevel> dacLevel;  // in place of level
    double dropDb = 6;      // the drop that sizes an indication
    int minSamples = 2;     // smaller regions are passed over
    // The samples looked at, as in the view: gate rows and shown layers.
    int topBorder = 0;
    int bottomBorder = 127;
    int firstLayer = 1;
    int lastLayer = 24;
};

// The search over the samples the view's gate and shown layers take.
IndicationSearch searchOfView(const ViewState &view);

// A box of samples: slices 0-based, layers 1-based, trace bytes.
struct SampleBox {
    int sliceFirst = 0;
    int sliceLast = 0;
    int layerFirst = 0;
    int layerLast = 0;
    int byteFirst = 0;
    int byteLast = 0;
    bool operator==(const SampleBox &) const = default;
};

struct SamplePoint {
    int layer = 1;
    int slice = 0;
    int byte = 0;
    bool operator==(const SamplePoint &) const = default;
};

struct Indication {
    int number = 0;
    int peak = 0;
    SamplePoint peakAt;
    int samples = 0;  // of the region
    SampleBox region;
    SampleBox drop;   // the drop extent grown from the peak
    QString comment;
    bool added = false;  // added by hand at a sample, not found
};

// The indications of a search, numbered 1.. from the largest peak down;
// equal peaks in the order of their layer, slice and byte.
std::vector<Indication> findIndications(const ScanVolume &volume, const IndicationSearch &search);

// The indication grown from one sample as its peak, as "Add at cursor" adds
// it: its region and its drop extent are the drop region of that sample.
// None when the sample is outside the samples looked at or is 0.
std::optional<Indication> indicationAt(const ScanVolume &volume, const IndicationSearch &search,
                                       const SamplePoint &at);

// The lowest sample value within the drop of a peak: peak x 10^(-dB/20), up.
int dropLevel(int peak, double dropDb);

// Numbers indications 1.. in the order of findIndications.
void numberIndications(std::vector<Indication> &indications);
