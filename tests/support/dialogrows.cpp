#include "dialogrows.h"

#include "program.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>

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

// What a field shows: its text, or 1 or 0 for a check box or option button.
QString shownValue(QWidget *widget)
{
    if (auto combo = qobject_cast<QComboBox *>(widget))
        return combo->currentText();
    if (auto text = qobject_cast<QLineEdit *>(widget))
        return text->text();
    if (auto button = qobject_cast<QAbstractButton *>(widget); button && button->isCheckable())
        return button->isChecked() ? "1" : "0";
    return "(no field)";
}

QString checkStep(QWidget *window, const QString &step)
{
    if (step == "?shown" || step == "?hidden") {
        const bool shown = step == "?shown";
        return window->isVisible() == shown ? QString() : "the window is not " + step.mid(1);
    }
    const QString name = step.mid(1).section('=', 0, 0);
    auto widget = window->findChild<QWidget *>(name);
    if (!widget || !step.contains('='))
        return "no field for " + step;
    const QString value = shownValue(widget);
    if (value == step.section('=', 1))
        return {};
    return QString("%1 shows \"%2\" at %3").arg(name, value, step);
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
    if (step.startsWith('?'))
        return checkStep(window, step);

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

QString runSteps(Program &program, const QString &window, const QStringList &steps,
                 QByteArrayList *inserted)
{
    for (const QString &step : steps) {
        const QByteArray before = program.bytes();
        const QString error = runStep(program, program.window(window), step);
        if (!error.isEmpty())
            return error;
        if (inserted && step == "ok")
            *inserted << program.bytes().mid(before.size());
    }
    return {};
}

void addDialogColumns()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QByteArrayList>("inserted");
    QTest::addColumn<bool>("openAfterwards");
    QTest::addColumn<QStringList>("messages");
}

void newDialogRow(const char *name, const QString &window, const QStringList &steps,
                  const QByteArrayList &inserted, bool openAfterwards,
                  const QStringList &messages)
{
    QTest::newRow(name) << window << steps << inserted << openAfterwards << messages;
}

void newTwoUseRow(const char *name, const QString &window, const QString &menuItem,
                  const QStringList &steps, const QByteArray &first, const QByteArray &again)
{
    const QString menu = "menu:" + menuItem;
    newDialogRow(name, window, QStringList{menu} + steps + QStringList{"ok", menu, "ok"},
                 {first, again});
}

void checkDialogRow()
{
    QFETCH(QString, window);
    QFETCH(QStringList, steps);
    QFETCH(QByteArrayList, inserted);
    QFETCH(bool, openAfterwards);
    QFETCH(QStringList, messages);

    Program program;
    QByteArrayList oks;
    QCOMPARE(runSteps(program, window, steps, &oks), QString());
    QCOMPARE(oks, inserted);
    QCOMPARE(program.bytes(), inserted.join());
    QCOMPARE(program.window(window)->isVisible(), openAfterwards);
    QCOMPARE(program.dialogs.messages, messages);
}

void addOpenColumns()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QStringList>("openers");
    QTest::addColumn<QString>("caption");
}

void checkOpenRow()
{
    QFETCH(QString, window);
    QFETCH(QStringList, openers);
    QFETCH(QString, caption);

    for (const QString &opener : openers) {
        Program program;
        program.show();
        QCOMPARE(runSteps(program, window, {opener, "?shown"}), QString());
        QWidget *dialog = program.window(window);
        QCOMPARE(dialog->windowTitle(), caption);
        // The keyboard lands where tabStops() starts.
        QVERIFY(QTest::qWaitForWindowActive(dialog));
        QTRY_COMPARE(QApplication::focusWidget(), dialog->focusWidget());
        QCOMPARE(runSteps(program, window, {"cancel", "?hidden", opener, "?shown"}), QString());
        QCOMPARE(program.bytes(), QByteArray());
    }
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
    if (auto frame = program.find<QGroupBox>(widget, window)) {
        QCOMPARE(frame->title(), caption);
        QVERIFY(buddy.isEmpty());
        return;
    }
    auto label = program.find<QLabel>(widget, window);
    QVERIFY(label);
    QCOMPARE(label->text(), caption);
    QCOMPARE(label->buddy() ? label->buddy()->objectName() : QString(), buddy);
}

void addTabOrderColumns()
{
    QTest::addColumn<QString>("opener");
    QTest::addColumn<QString>("window");
    QTest::addColumn<QStringList>("stops");
}

void checkTabOrderRow()
{
    QFETCH(QString, opener);
    QFETCH(QString, window);
    QFETCH(QStringList, stops);

    Program program;
    QCOMPARE(runSteps(program, window, {opener}), QString());
    QCOMPARE(tabStops(program.window(window), stops.size()), stops);
}

QStringList tabStops(QWidget *window, int count)
{
    QWidget *widget = window->focusWidget();
    if (!widget)
        return {"(nothing has the keyboard)"};
    // Walked rather than pressed: Qt lets Tab into a group of option buttons only at the
    // one with the keyboard, so pressing it would hide the order of the others.
    QStringList names;
    for (;;) {
        auto combo = qobject_cast<QComboBox *>(widget->parentWidget());
        names << (combo ? combo : widget)->objectName();
        if (names.size() == count)
            return names;
        do {
            widget = widget->nextInFocusChain();
        } while (widget->window() != window || !(widget->focusPolicy() & Qt::TabFocus)
                 || widget->focusProxy() || !widget->isVisibleTo(window)
                 || !widget->isEnabled());
    }
}
