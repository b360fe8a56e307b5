#pragma once

#include <QString>

inline const QString ProgramTitle = QStringLiteral("Vorquil III");
inline constexpr int ProgramRelease = 9;
// "3.1." then "0" and the release number: 3.1.09
inline const QString ProgramVersion = QStringLiteral("3.1.0") + QString::number(ProgramRelease);
