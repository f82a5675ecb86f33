#pragma once

#include "editor/vocabulary.h"

#include <QColor>
#include <QString>

// The element or directive of the vocabulary that a dialog writes. A name the vocabulary
// lacks stops the program: every dialog's tests would run into it.
const Element *tag(const QString &name);
const Element *ssiDirective(const QString &name);
// A value between double quotes; a double quote in it is written "&quot;", which ends no
// value.
QString quoted(const QString &text);
// The attribute rule: "NAME=" and the value in the attribute's form, the name alone for a
// flag. A bare value that a browser would end early (one holding a blank, ">", a double or
// a single quote) is written quoted instead. Nothing else is escaped.
QString written(const Attribute &attribute, const QString &value);
// A fixed fragment such as a whole line when set, nothing otherwise.
QString flag(bool set, const QString &fragment);
// Six upper-case hex digits, red first.
QString colourCode(const QColor &colour);
