#pragma once

#include "program.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

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

// A widget's name; an unnamed part, such as a combo box's edit field, goes by its owner's.
inline QString nameOf(QWidget *widget)
{
    while (widget && widget->objectName().isEmpty())
        widget = widget->parentWidget();
    return widget ? widget->objectName() : QString();
}

// The names of the next count widgets in widget's keyboard order, passed over as Qt
// passes them over: a combo box's edit field stands for the combo box.
inline QStringList tabStopsAfter(QWidget *widget, int count)
{
    QWidget *window = widget->window();
    QStringList names;
    while (names.size() < count) {
        widget = widget->nextInFocusChain();
        if ((widget->focusPolicy() & Qt::TabFocus) && !widget->focusProxy()
            && widget->window() == window)
            names << nameOf(widget);
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

// The checks that every dialog family's tables share; call the first of each pair
// from a _data() function, the second from its test function.

// Rows: a menu item and, where there is one, a tab button; both show the window, and
// the keyboard starts in its first field.
inline void addOpensColumns()
{
    QTest::addColumn<QString>("menuItem");
    QTest::addColumn<QString>("tabButton");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("firstField");
}

inline void checkOpens()
{
    QFETCH(QString, menuItem);
    QFETCH(QString, tabButton);
    QFETCH(QString, window);
    QFETCH(QString, caption);
    QFETCH(QString, firstField);

    Program program;
    program.show();
    program.trigger(menuItem);
    QVERIFY(QTest::qWaitForWindowActive(program.window(window)));
    QCOMPARE(program.window(window)->windowTitle(), caption);
    QTRY_COMPARE(nameOf(QApplication::focusWidget()), firstField);
    if (!tabButton.isEmpty()) {
        press(program, window, "C&ancel");
        QVERIFY(!program.window(window)->isVisible());
        program.click(tabButton);
        QVERIFY(program.window(window)->isVisible());
    }
    QCOMPARE(program.bytes(), QByteArray());
}

// Rows: the settings of a first use and what it inserts, then what a second use
// inserts right after reopening.
inline void addOutputColumns()
{
    QTest::addColumn<QString>("menuItem");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QStringList>("settings");
    QTest::addColumn<QByteArray>("first");
    QTest::addColumn<QByteArray>("again");
}

inline void checkOutput()
{
    QFETCH(QString, menuItem);
    QFETCH(QString, window);
    QFETCH(QStringList, settings);
    QFETCH(QByteArray, first);
    QFETCH(QByteArray, again);

    Program program;
    const TwoUses uses = useTwice(program, menuItem, window, settings);
    QCOMPARE(uses.first, first);
    QCOMPARE(uses.again, again);
    QVERIFY(!program.window(window)->isVisible());
}

// Rows: the widgets in the order the Tab key reaches them.
inline void addTabOrderColumns()
{
    QTest::addColumn<QString>("menuItem");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QStringList>("order");
}

inline void checkTabOrder()
{
    QFETCH(QString, menuItem);
    QFETCH(QString, window);
    QFETCH(QStringList, order);

    Program program;
    program.trigger(menuItem);
    auto first = program.find<QWidget>(order.first(), window);
    QCOMPARE(tabStopsAfter(first, order.size() - 1), order.mid(1));
}
