#pragma once
// The indications of the scan shown and its inspection record: read from the
// inspection file beside the scan when it opens, found, added and commented
// in the indication table window, drawn over the slice image, and saved
// back. Leaving a scan with changes that are not saved asks first.

#include "d3d_functions.h"
#include "inspection_findings.h"
#include "report_inspection.h"

#include <QObject>

#include <optional>

class IndicationTableWindow;
class TForm1;

class IndicationKeeper : public QObject {
    Q_OBJECT
public:
    IndicationKeeper(TForm1 &window, const D3dFunctions &d3d);

    // Commands
    void showTable();
    void editRecord();

    // The scan at path is now shown (empty: none); asks about the changes of the one before.
    void scanShown(const QString &path);
    // Asks about unsaved changes; the answer Yes saves them.
    void leaveScan();

    const std::vector<Indication> &indications() const { return findings_.indications; }
    const Inspection &inspection() const { return inspection_; }
    bool modified() const { return modified_; }
    // What the report shows of the inspection; none while there is neither
    // an indication nor a record.
    std::optional<ReportInspection> reportInspection() const;
    IndicationTableWindow *Table;

private:
    void takeInspectionFile();
    void offerToSetAside(const InspectionRead &read);
    void find();
    void addAtCursor();
    bool save();
    void moveCursorTo(const Indication &indication);
    void tableEdited();
    void showIndications();
    IndicationScale scale() const;
    InspectionRecord recordOfLastInspection() const;

    TForm1 &window_;
    const D3dFunctions &d3d_;
    QString scanPath_;
    Inspection inspection_;
    InspectionFindings findings_;
    bool modified_ = false;
    // an inspection file beside the scan that is not this scan's, and stays
    bool otherFileKept_ = false;
};
