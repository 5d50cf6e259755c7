#include "probe_geometry.h"

#include <QLocale>

#include <cmath>

std::optional<std::optional<double>> parsePitch(const QString &text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return std::optional<double>();
    bool ok = false;
    double pitch = QLocale::c().toDouble(trimmed, &ok);
    if (!ok)
        pitch = QLocale().toDouble(trimmed, &ok);
    if (!ok || !std::isfinite(pitch) || pitch <= 0)
        return std::nullopt;
    return std::optional<double>(pitch);
}
