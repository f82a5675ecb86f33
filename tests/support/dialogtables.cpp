#include "dialogtables.h"

#include "program.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
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

QString nameOf(const QString &item)
{
    return item.section('=', 0, 0);
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

void setFields(Program &program, const QString &window, const QStringList &fields)
{
    for (const QString &item : fields) {
        const QString value = item.section('=', 1);
        QWidget *widget = field(program, window, nameOf(item));
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
} // namespace

namespace DialogTables {
void opensColumns()
{
    QTest::addColumn<QString>("opener");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("frame");
    QTest::addColumn<QString>("frameCaption");
}

void checkOpens()
{
    QFETCH(QString, opener);
    QFETCH(QString, window);
    QFETCH(QString, caption);
    QFETCH(QString, frame);
    QFETCH(QString, frameCaption);

    Program program;
    if (program.form.findChild<QAction *>(opener))
        program.trigger(opener);
    else
        program.click(opener);
    QWidget *dialog = program.window(window);
    QVERIFY(dialog);
    QVERIFY(dialog->isVisible());
    QCOMPARE(dialog->windowTitle(), caption);
    auto group = dialog->findChild<QGroupBox *>(frame);
    QVERIFY(group);
    QCOMPARE(group->title(), frameCaption);
}

void outputColumns()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QByteArray>("expected");
}

void checkOutput()
{
    QFETCH(QString, action);
    QFETCH(QString, window);
    QFETCH(QStringList, fields);
    QFETCH(QByteArray, expected);

    Program program;
    program.trigger(action);
    setFields(program, window, fields);
    program.click("Command2", window);
    QCOMPARE(program.bytes(), expected);
    QVERIFY(!program.window(window)->isVisible());
}

void reopenColumns()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QString>("closeButton");
    QTest::addColumn<QStringList>("expected");
}

void checkReopen()
{
    QFETCH(QString, action);
    QFETCH(QString, window);
    QFETCH(QStringList, fields);
    QFETCH(QString, closeButton);
    QFETCH(QStringList, expected);

    Program program;
    program.trigger(action);
    setFields(program, window, fields);
    program.click(closeButton, window);
    QVERIFY(!program.window(window)->isVisible());
    program.trigger(action);
    QStringList values;
    for (const QString &item : fields)
        values << nameOf(item) + '=' + valueOf(field(program, window, nameOf(item)));
    QCOMPARE(values, expected);
}

void tabOrderColumns()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QStringList>("next");
}

void checkTabOrder()
{
    QFETCH(QString, action);
    QFETCH(QString, window);
    QFETCH(QString, first);
    QFETCH(QStringList, next);

    Program program;
    program.trigger(action);
    QCOMPARE(tabStopsAfter(field(program, window, first), next.size()), next);
}
} // namespace DialogTables

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
