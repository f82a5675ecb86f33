#pragma once

#include "program.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

// Drives a tag dialog's fields from short settings, one per user action:
// "Text1=abc" types into a text box or combo box (an empty value empties it),
// "Combo1#2" picks the third entry of a combo box's list, "Option1" clicks a button.
inline void setFields(Program &program, const QString &window, const QStringList &settings)
{
    for (const QString &setting : settings) {
        const int equals = setting.indexOf(QLatin1Char('='));
        const int hash = setting.indexOf(QLatin1Char('#'));
        if (equals > 0) {
            const QString name = setting.left(equals);
            const QString value = setting.mid(equals + 1);
            if (auto text = program.find<QLineEdit>(name, window))
                text->setText(value);
            else if (auto combo = program.find<QComboBox>(name, window))
                combo->setEditText(value);
            else
                qFatal("no field %s in %s", qPrintable(name), qPrintable(window));
        } else if (hash > 0) {
            auto combo = program.find<QComboBox>(setting.left(hash), window);
            if (!combo)
                qFatal("no list %s in %s", qPrintable(setting), qPrintable(window));
            combo->setCurrentIndex(setting.mid(hash + 1).toInt());
        } else {
            program.click(setting, window);
        }
    }
}

// Presses the window's button with this caption, whatever its name.
inline void press(Program &program, const QString &window, const QString &caption)
{
    for (auto button : program.window(window)->findChildren<QPushButton *>()) {
        if (button->text() == caption) {
            button->click();
            return;
        }
    }
    qFatal("no %s in %s", qPrintable(caption), qPrintable(window));
}

// The names of the next count widgets in widget's keyboard order, passed over as Qt
// passes them over: a combo box's edit field stands for the combo box.
inline QStringList tabStopsAfter(QWidget *widget, int count)
{
    QWidget *window = widget->window();
    QStringList names;
    while (names.size() < count) {
        widget = widget->nextInFocusChain();
        if (!(widget->focusPolicy() & Qt::TabFocus) || widget->focusProxy()
            || widget->window() != window)
            continue;
        QWidget *named = widget;
        while (named->objectName().isEmpty())
            named = named->parentWidget();
        names << named->objectName();
    }
    return names;
}

// What two uses of a dialog insert: the first with the given settings, the second
// right after reopening it, which shows what the first OK reset and what it kept.
struct TwoUses
{
    QByteArray first;
    QByteArray again;
};

inline TwoUses useTwice(Program &program, const QString &menuItem, const QString &window,
                        const QStringList &settings)
{
    program.trigger(menuItem);
    setFields(program, window, settings);
    press(program, window, "&Ok");
    const QByteArray first = program.bytes();
    program.trigger(menuItem);
    press(program, window, "&Ok");
    return {first, program.bytes().mid(first.size())};
}
