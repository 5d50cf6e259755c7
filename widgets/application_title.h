#pragma once

#include "program_version.h"

#include <QString>

// The title of the application: the caption of the general error report.
inline const QString kApplicationTitle = QStringLiteral("Velmora v.") + QLatin1String(kProgramVersion);
// The caption of the main window at design time.
inline const QString kMainWindowCaption = QStringLiteral("Velmora v") + QLatin1String(kProgramVersion);
