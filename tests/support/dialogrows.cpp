#include "dialogrows.h"

#include "program.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>

void addDialogColumns()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QByteArray>("expected");
    QTest::addColumn<bool>("openAfterwards");
    QTest::addColumn<QStringList>("messages");
}

void newDialogRow(const char *name, const QString &window, const QStringList &steps,
                  const QByteArray &expected, bool openAfterwards, const QStringList &messages)
{
    QTest::newRow(name) << window << steps << expected << openAfterwards << messages;
}

void checkDialogRow()
{
    QFETCH(QString, window);
    QFETCH(QStringList, steps);
    QFETCH(QByteArray, expected);
    QFETCH(bool, openAfterwards);
    QFETCH(QStringList, messages);

    Program program;
    QCOMPARE(runSteps(program, window, steps), QString());
    QCOMPARE(program.bytes(), expected);
    QCOMPARE(program.window(window)->isVisible(), openAfterwards);
    QCOMPARE(program.dialogs.messages, messages);
}

void addOpenColumns()
{
    QTest::addColumn<QString>("opener");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("caption");
}

void checkOpenRow()
{
    QFETCH(QString, opener);
    QFETCH(QString, window);
    QFETCH(QString, caption);

    Program program;
    QCOMPARE(runSteps(program, window, {opener}), QString());
    QVERIFY(program.window(window));
    QVERIFY(program.window(window)->isVisible());
    QCOMPARE(program.window(window)->windowTitle(), caption);
}

void addCaptionColumns()
{
    QTest::addColumn<QString>("opener");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("widget");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("buddy");
}

void checkCaptionRow()
{
    QFETCH(QString, opener);
    QFETCH(QString, window);
    QFETCH(QString, widget);
    QFETCH(QString, caption);
    QFETCH(QString, buddy);

    Program program;
    QCOMPARE(runSteps(program, window, {opener}), QString());
    auto label = program.find<QLabel>(widget, window);
    QVERIFY(label);
    QCOMPARE(label->text(), caption);
    QCOMPARE(label->buddy() ? label->buddy()->objectName() : QString(), buddy);
}

void addTabOrderColumns()
{
    QTest::addColumn<QString>("opener");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QStringList>("order");
}

void checkTabOrderRow()
{
    QFETCH(QString, opener);
    QFETCH(QString, window);
    QFETCH(QStringList, order);

    Program program;
    QCOMPARE(runSteps(program, window, {opener}), QString());
    QCOMPARE(tabStops(program.window(window)), order);
}

namespace {
QAbstractButton *buttonCaptioned(QWidget *window, const QString &caption)
{
    for (auto button : window->findChildren<QPushButton *>()) {
        if (button->text() == caption)
            return button;
    }
    return nullptr;
}

QLineEdit *editField(QWidget *window, const QString &name)
{
    if (auto combo = window->findChild<QComboBox *>(name))
        return combo->lineEdit();
    return window->findChild<QLineEdit *>(name);
}

QString runStep(Program &program, QWidget *window, const QString &step)
{
    const QString argument = step.section(':', 1);
    if (step.startsWith("menu:")) {
        program.trigger(argument);
        return {};
    }
    if (step.startsWith("colour:")) {
        program.dialogs.colourAnswers << (argument == "cancel" ? std::optional<QColor>()
                                                               : QColor('#' + argument));
        return {};
    }
    if (step.startsWith("tab:"))
        window = &program.form;
    if (!window)
        return "the window is not open for " + step;

    if (step == "ok" || step == "cancel" || step.startsWith("click:") || step.startsWith("tab:")) {
        QAbstractButton *button = argument.isEmpty()
                                      ? buttonCaptioned(window, step == "ok" ? "&Ok" : "C&ancel")
                                      : window->findChild<QAbstractButton *>(argument);
        if (!button)
            return "no button for " + step;
        button->click();
        return {};
    }
    static const QRegularExpression pick(R"(^([\w()]+)#(\d+)$)");
    if (const auto match = pick.match(step); match.hasMatch()) {
        auto combo = window->findChild<QComboBox *>(match.captured(1));
        if (!combo)
            return "no combo box for " + step;
        combo->setCurrentIndex(match.captured(2).toInt());
        return {};
    }
    auto field = editField(window, step.section('=', 0, 0));
    if (!field || !step.contains('='))
        return "no field for " + step;
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Delete);
    QTest::keyClicks(field, step.section('=', 1));
    return {};
}
} // namespace

QString runSteps(Program &program, const QString &window, const QStringList &steps)
{
    for (const QString &step : steps) {
        const QString error = runStep(program, program.window(window), step);
        if (!error.isEmpty())
            return error;
    }
    return {};
}

QStringList tabStops(QWidget *window)
{
    QWidget *first = window->focusWidget();
    if (!first)
        return {};
    QStringList names{first->objectName()};
    for (QWidget *widget = first->nextInFocusChain(); widget != first;
         widget = widget->nextInFocusChain()) {
        if (window->isAncestorOf(widget) && (widget->focusPolicy() & Qt::TabFocus)
            && !qobject_cast<QComboBox *>(widget->parentWidget()))
            names << widget->objectName();
    }
    return names;
}
