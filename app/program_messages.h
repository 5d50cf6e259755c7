#pragma once
// Texts of the program's message boxes.

#include <QString>

inline const QString kNotEnoughMemory =
    QStringLiteral("Not enough memory. Please shutdown other applications and try again.");
inline const QString kFileExists = QStringLiteral("File exist ! Overwrite ?");
