#include "dac_curve.h"

#include "decimal_text.h"
#include "finding_readings.h"

#include <QStringList>

#include <cmath>

std::optional<DacCurve> DacCurve::through(std::vector<DacPoint> points, QString *reason)
{
    const auto refuse = [reason](const QString &why) {
        if (reason)
            *reason = why;
        return std::nullopt;
    };
    if (points.empty())
        return refuse(QStringLiteral("a DAC needs at least one point"));
    for (std::size_t i = 0; i < points.size(); ++i) {
        const DacPoint &point = points[i];
        if (!std::isfinite(point.depthMm) || point.depthMm < 0)
            return refuse(QStringLiteral("the depth %1 mm is not a depth").arg(point.depthMm));
        if (point.value < 1 || point.value > 255)
            return refuse(QStringLiteral("the value %1 is not a sample value 1..255").arg(point.value));
        if (i > 0 && point.depthMm <= points[i - 1].depthMm)
            return refuse(QStringLiteral("the depths must increase: %1 mm follows %2 mm")
                              .arg(point.depthMm)
                              .arg(points[i - 1].depthMm));
    }
    return DacCurve(std::move(points));
}

double DacCurve::at(double depthMm) const
{
    if (depthMm <= points_.front().depthMm)
        return points_.front().value;
    for (std::size_t i = 1; i < points_.size(); ++i) {
        const DacPoint &a = points_[i - 1];
        const DacPoint &b = points_[i];
        if (depthMm <= b.depthMm)
            return a.value + (b.value - a.value) * (depthMm - a.depthMm) / (b.depthMm - a.depthMm);
    }
    return points_.back().value;
}

std::optional<DacCurve> parseDacCurve(const QString &text, QString *reason)
{
    std::vector<DacPoint> points;
    for (const QString &pair : text.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const QStringList parts = pair.split(QLatin1Char(':'));
        bool valueRead = false;
        const auto depth = parts.size() == 2 ? parseDecimal(parts[0].trimmed()) : std::nullopt;
        const int value = parts.size() == 2 ? parts[1].trimmed().toInt(&valueRead) : 0;
        if (!depth || !valueRead) {
            if (reason)
                *reason = QStringLiteral("\"%1\" is not depth:value").arg(pair);
            return std::nullopt;
        }
        points.push_back({*depth, value});
    }
    return DacCurve::through(std::move(points), reason);
}

QString dacCurveText(const DacCurve &curve)
{
    QStringList pairs;
    for (const DacPoint &point : curve.points())
        pairs << QStringLiteral("%1:%2").arg(QString::number(point.depthMm, 'g', 10)).arg(point.value);
    return pairs.join(QLatin1Char(','));
}

QString dacPointsText(const DacCurve &curve)
{
    QStringList points;
    for (const DacPoint &point : curve.points())
        points << QStringLiteral("%1 at %2 mm").arg(point.value).arg(QString::number(point.depthMm, 'g', 10));
    return points.join(QStringLiteral(", "));
}

AgainstDac againstDac(int value, double depthMm, const DacCurve &curve)
{
    if (value <= 0)
        return {};
    const double ratio = value / curve.at(depthMm);
    return {roundedToTenth(100.0 * ratio), roundedToTenth(20.0 * std::log10(ratio))};
}

QString evaluationClass(double levelDb, std::optional<double> lengthMm, const EvaluationLevels &levels)
{
    const bool recorded = levelDb >= levels.recordingDb;
    const bool tooLong = levels.maxLengthMm && lengthMm && *lengthMm > *levels.maxLengthMm;
    if (levelDb > levels.acceptanceDb || (recorded && tooLong))
        return QStringLiteral("reject");
    return recorded ? QStringLiteral("record") : QStringLiteral("below");
}

QString evaluationLevelsText(const EvaluationLevels &levels)
{
    QString text = QStringLiteral("recording %1 dB, acceptance %2 dB")
                       .arg(QString::number(levels.recordingDb, 'g', 10), QString::number(levels.acceptanceDb, 'g', 10));
    if (levels.maxLengthMm)
        text += QStringLiteral(", length limit %1 mm").arg(QString::number(*levels.maxLengthMm, 'g', 10));
    return text;
}
