#pragma once
// What the analysis keeps in the inspection file of a scan: the search the
// indications were found with, its scale (depth scale, probe geometry,
// reference) and the indications with their comments.

#include "indication_table.h"
#include "inspection_file.h"

#include <QJsonObject>

#include <vector>

struct InspectionFindings {
    IndicationSearch search;
    IndicationScale scale;
    std::vector<Indication> indications;
};

QJsonObject findingsObject(const InspectionFindings &findings);
// The findings back; absent or malformed parts keep their defaults.
InspectionFindings findingsFrom(const QJsonObject &object);

// Puts the findings into an inspection, beside what else it keeps.
void keepFindingsIn(Inspection &inspection, const InspectionFindings &findings);

// A new search's indications in place of the found ones kept before: a found
// indication whose peak is where a kept one's was takes its comment, and the
// indications added by hand stay. Numbered anew.
std::vector<Indication> keepingComments(std::vector<Indication> found, const std::vector<Indication> &kept);
