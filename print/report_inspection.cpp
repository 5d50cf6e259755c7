#include "report_inspection.h"

ReportInspectionRead reportInspectionOf(const QString &scanPath)
{
    const InspectionRead read = readInspectionFile(scanPath);
    switch (read.status) {
    case InspectionRead::Status::None:
        return {};
    case InspectionRead::Status::Read:
        return {ReportInspection{read.inspection.record, findingsFrom(read.inspection.findings)}, QString()};
    case InspectionRead::Status::OtherScan:
    case InspectionRead::Status::Refused:
        break;
    }
    return {std::nullopt, read.problem + QStringLiteral("; the report is made without it")};
}
