#pragma once

// The few calls that Qt 5.15 (the last Qt for 32-bit Windows) and Qt 6 spell differently,
// so that the rest of the program reads the same on both.

#include <QFontDatabase>
#include <QKeySequence>
#include <QLabel>
#include <QMouseEvent>
#include <QStringList>

namespace QtCompat {

inline QPoint globalPos(const QMouseEvent *event)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    return event->globalPosition().toPoint();
#else
    return event->globalPos();
#endif
}

// The first key of a sequence with its modifiers, as the one number QScintilla keys are.
inline int firstKey(const QKeySequence &sequence)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    return sequence[0].toCombined();
#else
    return sequence[0];
#endif
}

inline QStringList fontFamilies()
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    return QFontDatabase::families();
#else
    return QFontDatabase().families();
#endif
}

inline QPixmap labelPixmap(const QLabel *label)
{
#if QT_VERSION >= QT_VERSION_CHECK(6, 0, 0)
    return label->pixmap();
#else
    return label->pixmap(Qt::ReturnByValue);
#endif
}

} // namespace QtCompat
