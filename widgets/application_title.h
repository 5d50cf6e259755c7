#pragma once

#include <QString>

// The title of the application: the caption of the general error report.
inline const QString kApplicationTitle = QStringLiteral("Velmora v.1.5");
// The caption of the main window at design time.
inline const QString kMainWindowCaption = QStringLiteral("Velmora v1.5");
