#pragma once

#include <QString>

inline const QString programName = QStringLiteral("Quillet");
inline const QString programTitle = QStringLiteral("Quillet 2.0");
