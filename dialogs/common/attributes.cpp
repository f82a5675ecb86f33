#include "attributes.h"

#include <algorithm>

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
    return QLatin1Char('"') + QString(text).replace(QLatin1Char('"'), QStringLiteral("&quot;"))
           + QLatin1Char('"');
}

QString written(const Attribute &attribute, const QString &value)
{
    // HTML's blanks and ">" end a bare value; a quote at its start would open a quoted one.
    const auto endsBare = [](QChar c) { return QLatin1String(" \t\n\r\f>\"'").contains(c); };
    const bool quote = attribute.form == Value::Quoted
                       || (attribute.form == Value::Bare
                           && std::any_of(value.begin(), value.end(), endsBare));
    return quote ? attribute.name + QLatin1Char('=') + quoted(value) : attribute.written(value);
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
