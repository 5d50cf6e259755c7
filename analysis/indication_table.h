#pragma once
// The indication table: each indication's fields by name, as the window, the
// inspection file, velmora-cli indications and the report give them.
// Millimetres are kept to a thousandth, percent and decibels to a tenth.

#include "dac_curve.h"
#include "indications.h"
#include "probe_geometry.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QStringList>

#include <optional>

// What turns samples into millimetres and decibels.
struct IndicationScale {
    int depthScale = 10;  // T: millimetres per 16 trace bytes
    ProbeGeometry probe;
    std::optional<int> reference;
    std::optional<DacCurve> dac;
    std::optional<EvaluationLevels> levels;
};

struct IndicationSizes {
    std::optional<double> lengthMm;  // along the slices; unknown without the slice pitch
    std::optional<double> widthMm;   // across the layers; unknown without the layer pitch
    double heightMm = 0;             // in depth
};

// The size of the drop extent.
IndicationSizes sizesOf(const Indication &indication, const IndicationScale &scale);

// Depth of a trace byte, byte x T / 16, to a thousandth of a millimetre.
double depthMillimetresThousandth(int byte, int depthScale);

// The field names, in the order of the table and of the CSV header.
const QStringList &indicationFieldNames();

QJsonObject indicationObject(const Indication &indication, const IndicationScale &scale);
QJsonArray indicationArray(const std::vector<Indication> &indications, const IndicationScale &scale);

// An indication back from its object; none when a position is missing or out of range.
std::optional<Indication> indicationFrom(const QJsonObject &object);
std::vector<Indication> indicationsFrom(const QJsonArray &array);

// The search and the scale as the parameters of a table.
QJsonObject searchObject(const IndicationSearch &search, const IndicationScale &scale);

// A CSV table: the header of field names, then a line an indication.
QByteArray indicationCsv(const std::vector<Indication> &indications, const IndicationScale &scale);
