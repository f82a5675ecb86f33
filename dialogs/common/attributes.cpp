#include "attributes.h"

QString attribute(const QString &name, const QString &text, Value form)
{
    if (text.isEmpty())
        return {};
    switch (form) {
    case Value::Quoted:
        return QStringLiteral(" %1=%2").arg(name, quoted(text));
    case Value::Colour:
        return QStringLiteral(" %1=#%2").arg(name, text);
    case Value::Bare:
        break;
    }
    return QStringLiteral(" %1=%2").arg(name, text);
}

QString quoted(const QString &text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
}

QString flag(bool set, const QString &fragment)
{
    return set ? fragment : QString();
}

QString loopFragment(const QString &count)
{
    return count.isEmpty() ? QStringLiteral(" LOOP=INFINITE") : " LOOP=" + count;
}

QString colourCode(const QColor &colour)
{
    return QStringLiteral("%1%2%3")
        .arg(colour.red(), 2, 16, QLatin1Char('0'))
        .arg(colour.green(), 2, 16, QLatin1Char('0'))
        .arg(colour.blue(), 2, 16, QLatin1Char('0'))
        .toUpper();
}
