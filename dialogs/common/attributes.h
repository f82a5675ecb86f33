#pragma once

#include "editor/vocabulary.h"

#include <QColor>
#include <QString>

// The element or directive of the vocabulary that a dialog writes. A name the vocabulary
// lacks stops the program: every dialog's tests would run into it.
const Element *tag(const QString &name);
const Element *ssiDirective(const QString &name);
QString quoted(const QString &text);
// A fixed fragment such as a whole line when set, nothing otherwise.
QString flag(bool set, const QString &fragment);
// Six upper-case hex digits, red first.
QString colourCode(const QColor &colour);
