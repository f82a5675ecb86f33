#include "directive.h"

QString directive(const QString &name, const QString &fragments)
{
    return QStringLiteral("<!--#") + name + fragments + QStringLiteral(" -->");
}
