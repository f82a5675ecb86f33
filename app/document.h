#pragma once

#include <QString>

inline const QString untitledName = QStringLiteral("Untitled.htm");

// The one document of the main window.
struct Document
{
    QString fileName = untitledName;
    bool untitled = true;
    bool changed = false; // typed in or selection moved since start-up; never cleared
};
