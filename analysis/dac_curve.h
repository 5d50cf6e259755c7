#pragma once
// The distance-amplitude correction curve: the amplitude of the reference
// reflectors at several depths, and the evaluation levels that class an
// indication against it.

#include <QString>

#include <optional>
#include <vector>

struct DacPoint {
    double depthMm = 0;
    int value = 0;  // 1..255
    bool operator==(const DacPoint &) const = default;
};

// At least one point, the depths strictly increasing.
class DacCurve {
public:
    // The curve through points; none when they do not make one, with why in reason.
    static std::optional<DacCurve> through(std::vector<DacPoint> points, QString *reason = nullptr);

    // The point's value at or before the first point and at or after the
    // last; between two points the straight line between them.
    double at(double depthMm) const;
    const std::vector<DacPoint> &points() const { return points_; }

private:
    explicit DacCurve(std::vector<DacPoint> points) : points_(std::move(points)) {}
    std::vector<DacPoint> points_;
};

// The curve and the lines 6 and 12 dB below it, as the plots draw them.
constexpr double kDacLinesDb[] = {0, -6, -12};

// "D:V,D:V,..." as the command line and the settings write it.
std::optional<DacCurve> parseDacCurve(const QString &text, QString *reason = nullptr);
QString dacCurveText(const DacCurve &curve);
// The points for a reader: "200 at 50 mm, 100 at 110 mm".
QString dacPointsText(const DacCurve &curve);

struct AgainstDac {
    std::optional<double> percent;   // 100 v / DAC(d), to a tenth; none for v = 0
    std::optional<double> decibels;  // 20 log10(v / DAC(d)), to a tenth; none for v = 0
};
AgainstDac againstDac(int value, double depthMm, const DacCurve &curve);

struct EvaluationLevels {
    double recordingDb = -14;
    double acceptanceDb = -10;
    std::optional<double> maxLengthMm;
};

// "recording -14 dB, acceptance -10 dB, length limit 20 mm".
QString evaluationLevelsText(const EvaluationLevels &levels);

// "reject" above the acceptance level, or at the recording level and over
// the length limit; "record" at the recording level; else "below".
QString evaluationClass(double levelDb, std::optional<double> lengthMm, const EvaluationLevels &levels);
