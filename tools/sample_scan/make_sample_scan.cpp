// Makes the bundled sample scan: a synthetic recording of a 250 mm steel test
// block with three side-drilled holes at different depths and an inclined
// crack rising from the back wall, with grain noise and attenuation.
//
// Geometry: slices 5 mm apart across the block, layers 10 mm apart along it,
// depth scale code 1 (3.125 mm a depth step). The output is the same for the
// same program on the same platform, so the file can be made again and
// compared with the one committed.

#include "export_writers.h"
#include "scan_file_writer.h"
#include "scan_layout.h"
#include "scan_volume.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

constexpr double kMillimetresPerStep = 50.0 / 16.0;
constexpr double kSlicePitch = 5.0;
constexpr double kLayerPitch = 10.0;
constexpr double kBlockThickness = 250.0;
constexpr uint8_t kDepthScaleByte = 0x41;  // low two bits 01: 50 mm per 16 steps

class Random {
public:
    explicit Random(uint64_t seed) : state_(seed) {}
    // Uniform in [0, 1).
    double next()
    {
        uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        z ^= z >> 31;
        return static_cast<double>(z >> 11) * 0x1.0p-53;
    }

private:
    uint64_t state_;
};

using Trace = std::array<double, ScanLayout::kTraceLength>;

double attenuation(double pathMillimetres)
{
    return std::exp(-0.0025 * pathMillimetres) / (1.0 + pathMillimetres / 400.0);
}

double beamWidth(double depth)
{
    return 6.0 + 0.08 * depth;
}

// Adds a rectified echo at a depth in millimetres; trace byte k holds depth row k - 1.
void addEcho(Trace &trace, double depth, double amplitude)
{
    const double centre = depth / kMillimetresPerStep;
    for (int row = 0; row < ScanLayout::kTraceLength - 1; ++row) {
        const double d = row - centre;
        if (std::abs(d) > 4.0)
            continue;
        const double envelope = std::exp(-(d / 1.1) * (d / 1.1));
        trace[static_cast<std::size_t>(row + 1)] += amplitude * envelope * (0.8 + 0.2 * std::cos(2.6 * d));
    }
}

// A point reflector seen from a probe at lateral distance dx.
void addReflector(Trace &trace, double dx, double depth, double strength)
{
    const double path = std::sqrt(dx * dx + depth * depth);
    const double width = beamWidth(depth);
    const double directivity = std::exp(-(dx / width) * (dx / width));
    if (directivity > 0.01)
        addEcho(trace, path, strength * directivity * attenuation(path));
}

struct Hole {
    double x, depth, firstLayer, lastLayer;
};
constexpr std::array<Hole, 3> kHoles = {{{40.0, 50.0, 3, 22}, {95.0, 110.0, 5, 20}, {150.0, 170.0, 2, 23}}};

// Full strength inside the hole's length, tapering over one layer at its ends.
double lengthFactor(int layer, double first, double last)
{
    if (layer < first - 1 || layer > last + 1)
        return 0.0;
    return (layer < first || layer > last) ? 0.35 : 1.0;
}

double holeShadow(double x, int layer)
{
    double shadow = 0.0;
    for (const Hole &hole : kHoles) {
        const double dx = (x - hole.x) / 4.0;
        shadow = std::max(shadow, 0.55 * std::exp(-dx * dx) * lengthFactor(layer, hole.firstLayer, hole.lastLayer));
    }
    return shadow;
}

// The crack rises from the back wall at x = 165 mm to its tip at x = 140 mm,
// 200 mm deep, in layers 9 to 16.
void addCrack(Trace &trace, double x, int layer)
{
    const double along = lengthFactor(layer, 9, 16);
    if (along == 0.0)
        return;
    addReflector(trace, x - 165.0, kBlockThickness - 4.0, 190.0 * along);  // corner echo
    addReflector(trace, x - 140.0, 200.0, 70.0 * along);                   // tip diffraction
    for (int i = 1; i < 5; ++i) {                                          // facets
        const double f = i / 5.0;
        addReflector(trace, x - (165.0 - 25.0 * f), kBlockThickness - 50.0 * f, 28.0 * along);
    }
}

Trace makeTrace(int layer, int slice, Random &random, double coupling)
{
    Trace trace{};
    const double x = slice * kSlicePitch;
    const std::array<double, 4> interfaceEcho = {118.0, 92.0, 55.0, 22.0};
    for (std::size_t row = 0; row < interfaceEcho.size(); ++row)
        trace[row + 1] += interfaceEcho[row] * coupling;

    for (const Hole &hole : kHoles)
        addReflector(trace, x - hole.x, hole.depth, 150.0 * lengthFactor(layer, hole.firstLayer, hole.lastLayer));
    addCrack(trace, x, layer);
    const double crackShadow = lengthFactor(layer, 9, 16) * std::exp(-std::pow((x - 160.0) / 10.0, 2)) * 0.6;
    addEcho(trace, kBlockThickness, 190.0 * attenuation(kBlockThickness) * coupling
                                        * (1.0 - std::max(holeShadow(x, layer), crackShadow)));

    for (int k = 1; k < ScanLayout::kTraceLength; ++k) {
        const double depth = (k - 1) * kMillimetresPerStep;
        const double grain = std::sqrt(-2.0 * std::log(1.0 - random.next())) * 2.2 * (0.5 + attenuation(depth));
        trace[static_cast<std::size_t>(k)] = trace[static_cast<std::size_t>(k)] * coupling + grain + random.next();
    }
    trace[0] = 0.0;
    return trace;
}

void writeHeader(std::vector<uint8_t> &image)
{
    const char identity[] = "M7340 synthetic test block: steel, 250 mm, 3 SDH, inclined crack";
    std::memcpy(image.data(), identity, sizeof identity - 1);
    image[ScanLayout::kDepthScaleByte] = kDepthScaleByte;
}

}  // namespace

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make-sample-scan OUT.vlm\n");
        return 2;
    }
    std::vector<uint8_t> image(ScanLayout::kImageSize, 0);
    writeHeader(image);
    Random random(7340);
    for (int layer = 1; layer <= ScanLayout::kLayerCount; ++layer) {
        const double coupling = 0.92 + 0.16 * random.next();
        for (int slice = 0; slice <= ScanLayout::kRowMax; ++slice) {
            const Trace trace = makeTrace(layer, slice, random, coupling);
            const int start = TraceOffset(layer, slice);
            for (int k = 0; k < ScanLayout::kTraceLength; ++k)
                image[static_cast<std::size_t>(start + k)] =
                    static_cast<uint8_t>(std::clamp(std::lround(trace[static_cast<std::size_t>(k)]), 0L, 127L));
        }
    }
    const WriteOutcome outcome = writeFileWhole(QString::fromLocal8Bit(argv[1]), [&](QFileDevice &file) {
        return writeScanFile(file, std::span<const uint8_t, ScanLayout::kImageSize>(image.data(), image.size()));
    });
    if (!outcome.ok)
        std::fprintf(stderr, "make-sample-scan: cannot write %s: %s\n", argv[1], qPrintable(outcome.error));
    return outcome.ok ? 0 : 1;
}
