#include "attributes.h"

namespace {
const Element *known(const Element *found, const QString &name)
{
    if (!found)
        qFatal("The vocabulary has no %s", qPrintable(name));
    return found;
}
} // namespace

const Element *tag(const QString &name)
{
    return known(Vocabulary::element(name), name);
}

const Element *ssiDirective(const QString &name)
{
    return known(Vocabulary::directive(name), name);
}

QString quoted(const QString &text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
}

QString flag(bool set, const QString &fragment)
{
    return set ? fragment : QString();
}

QString colourCode(const QColor &colour)
{
    return QStringLiteral("%1%2%3")
        .arg(colour.red(), 2, 16, QLatin1Char('0'))
        .arg(colour.green(), 2, 16, QLatin1Char('0'))
        .arg(colour.blue(), 2, 16, QLatin1Char('0'))
        .toUpper();
}
