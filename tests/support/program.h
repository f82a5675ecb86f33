#pragma once

#include "fakecommondialogs.h"
#include "fakeworld.h"

#include "app/form1.h"
#include "app/form2.h"
#include "editor/editor.h"

#include <QAbstractButton>
#include <QTest>

// Readies the program's resources, and keeps its settings in a folder of the test's own,
// at first empty; called before any window is made.
void initResources();

// A first member, so that the resources are ready before the windows are made.
struct ResourcesReady
{
    ResourcesReady() { initResources(); }
};

// The program's main window with the fake common dialogs and outside world, driven
// the way a user drives it.
class Program
{
    ResourcesReady m_ready;

public:
    // Shows the main window and waits until it is the active window, so that its
    // keyboard shortcuts work.
    void show();

    Editor &editor() { return form.editor(); }
    QWidget *textArea() { return form.editor().textArea(); }
    QByteArray bytes() { return form.editor().bytes(); }

    void trigger(const QString &actionName);
    void type(const QString &text);
    void key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    // Clicks the folding box beside the row of the screen (counted from 0).
    void clickFoldBox(int row);
    // Clicks the named button of the named window (the main window when empty).
    void click(const QString &button, const QString &window = {});
    QWidget *window(const QString &name);

    template<class T>
    T *find(const QString &name, const QString &window = {})
    {
        QWidget *parent = window.isEmpty() ? &form : this->window(window);
        return parent ? parent->findChild<T *>(name) : nullptr;
    }

    FakeCommonDialogs dialogs;
    FakeWorld world;
    Form1 form{dialogs, world};
};

// The program started as main() starts it, with the fake common dialogs and outside world:
// the intro window, or with a file the main window at once. The answers are queued before
// the start, for the questions it asks.
class Intro
{
    ResourcesReady m_ready;

public:
    explicit Intro(const QString &startFile = {},
                   const QList<CommonDialogs::Answer> &answers = {});

    // Presses "&Go on".
    void goOn();
    Form1 *mainWindow() { return form.mainWindow(); }

    FakeCommonDialogs dialogs;
    FakeWorld world;
    Form2 form{dialogs, world};
};

// Whether the widget shows what it would draw afresh now: no part of it was left as it was
// drawn before a change that should have drawn it again.
bool showsWhatItDraws(QWidget *widget);

// The settings file as the program keeps it for the test, which a test may damage; gone, it
// is the first start.
QString settingsFile();

// Takes away the settings a test before kept, file or whatever stands in its place, so
// that the next program made starts as Quillet's first start; false when they stay.
bool firstStart();
