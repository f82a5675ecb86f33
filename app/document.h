#pragma once

#include "document/filestamp.h"

#include <QString>

inline const QString untitledName = QStringLiteral("Untitled.htm");

// The one document of the main window.
struct Document
{
    QString fileName = untitledName;
    bool untitled = true;
    bool changed = false; // typed in or selection moved since start-up; never cleared
    FileStamp stamp;      // the file as the document last read or wrote it
};
