#pragma once
// The file name "Receive data" offers: never the open scan's own, so that
// Enter in the dialog cannot overwrite the scan on screen.

#include <QDateTime>
#include <QString>

// The open scan's stem with the next number no file in its folder has
// ("weld.vlm" offers weld1.vlm, "weld07.vlm" weld08.vlm); with no scan open,
// received-YYYYMMDD-HHMMSS.vlm in folder.
QString offeredReceiveName(const QString &openScan, const QString &folder, const QDateTime &now);
