#pragma once

#include <QColor>
#include <QString>

// How a filled field's value is written after "NAME=".
enum class Value { Quoted, Bare, Colour };

// The attribute rule: an exactly empty text gives nothing; anything else, blanks
// included, gives " NAME=" and the value as typed, in its form. Nothing is escaped.
QString attribute(const QString &name, const QString &text, Value form);
QString quoted(const QString &text);
// A fixed fragment such as " NOWRAP" when set, nothing otherwise.
QString flag(bool set, const QString &fragment);
// LOOP is always written: an empty count means the sound or text loops for ever.
QString loopFragment(const QString &count);
// Six upper-case hex digits, red first.
QString colourCode(const QColor &colour);
