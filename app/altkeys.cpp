#include "altkeys.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

AltKeys::AltKeys(QObject *owner)
    : QObject(owner)
{
    QCoreApplication::instance()->installEventFilter(this);
}

bool AltKeys::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType()
        || !static_cast<QWidget *>(watched)->testAttribute(Qt::WA_InputMethodEnabled))
        return false;
    const auto key = static_cast<QKeyEvent *>(event);
    const Qt::KeyboardModifiers modifiers = key->modifiers();
    // A character Windows composes from Alt and the number pad comes with no key.
    return (modifiers & Qt::AltModifier) && !(modifiers & Qt::ControlModifier)
           && key->key() != 0 && key->key() != Qt::Key_unknown && !key->text().isEmpty()
           && key->text().at(0).isPrint();
}
