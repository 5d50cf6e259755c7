#include "probe_geometry.h"

#include "decimal_text.h"

#include <cmath>

std::optional<std::optional<double>> parsePitch(const QString &text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return std::optional<double>();
    const auto pitch = parseDecimal(trimmed);
    if (!pitch || !std::isfinite(*pitch) || *pitch <= 0)
        return std::nullopt;
    return std::optional<double>(*pitch);
}
