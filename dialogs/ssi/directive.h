#pragma once

#include <QString>

// A server-side include directive: "<!--#", its name, the fragments as given, " -->".
QString directive(const QString &name, const QString &fragments);
