#include "dialogfields.h"

#include "program.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

namespace {
QWidget *field(Program &program, const QString &window, const QString &name)
{
    auto widget = program.find<QWidget>(name, window);
    if (!widget)
        qFatal("no field %s in %s", qPrintable(name), qPrintable(window));
    return widget;
}

QString valueOf(QWidget *widget)
{
    if (auto text = qobject_cast<QLineEdit *>(widget))
        return text->text();
    if (auto combo = qobject_cast<QComboBox *>(widget))
        return combo->currentText();
    if (auto button = qobject_cast<QAbstractButton *>(widget))
        return button->isChecked() ? "1" : "0";
    qFatal("%s is no field", qPrintable(widget->objectName()));
}
} // namespace

void setFields(Program &program, const QString &window, const QStringList &fields)
{
    for (const QString &item : fields) {
        const QString name = item.section('=', 0, 0);
        const QString value = item.section('=', 1);
        QWidget *widget = field(program, window, name);
        if (auto text = qobject_cast<QLineEdit *>(widget)) {
            text->setText(value);
        } else if (auto combo = qobject_cast<QComboBox *>(widget)) {
            combo->setEditText(value);
        } else if (auto check = qobject_cast<QCheckBox *>(widget)) {
            if (check->isChecked() != (value == "1"))
                check->click();
        } else if (auto option = qobject_cast<QRadioButton *>(widget)) {
            if (value == "1")
                option->click();
        }
    }
}

QWidget *openWith(Program &program, const QString &opener, const QString &window)
{
    if (program.form.findChild<QAction *>(opener))
        program.trigger(opener);
    else
        program.click(opener);
    QWidget *shown = program.window(window);
    return shown && shown->isVisible() ? shown : nullptr;
}

QByteArray okWith(Program &program, const QString &action, const QString &window,
                  const QStringList &fields)
{
    program.trigger(action);
    setFields(program, window, fields);
    program.click("Command2", window);
    return program.bytes();
}

QStringList reopenedAfter(Program &program, const QString &action, const QString &window,
                          const QStringList &fields, const QString &closeButton)
{
    program.trigger(action);
    setFields(program, window, fields);
    program.click(closeButton, window);
    program.trigger(action);
    QStringList values;
    for (const QString &item : fields) {
        const QString name = item.section('=', 0, 0);
        values << name + '=' + valueOf(field(program, window, name));
    }
    return values;
}

QStringList tabStopsAfter(QWidget *widget, int count)
{
    QStringList names;
    while (names.size() < count) {
        widget = widget->nextInFocusChain();
        // Tab passes over widgets that hand their focus to another, as a combo box's
        // edit field does.
        if ((widget->focusPolicy() & Qt::TabFocus) && !widget->focusProxy())
            names << widget->objectName();
    }
    return names;
}
