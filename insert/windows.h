#pragma once

#include <QString>

#include <vector>

class Form1;
class QWidget;

// The secondary windows that the main window shows by name, each made on first use.
struct WindowEntry
{
    QString name;
    QWidget *(*create)(Form1 &form);
};

template<class Window>
QWidget *createFor(Form1 &form)
{
    return new Window(form);
}

QWidget *createWindow(const QString &name, Form1 &form);

// Each folder lists its own windows.
std::vector<WindowEntry> commandWindows();  // app/commands
std::vector<WindowEntry> paletteWindows();  // insert
std::vector<WindowEntry> documentWindows(); // dialogs/document
std::vector<WindowEntry> textWindows();     // dialogs/text
std::vector<WindowEntry> listWindows();     // dialogs/lists
std::vector<WindowEntry> linkWindows();     // dialogs/links
std::vector<WindowEntry> frameWindows();    // dialogs/frames
std::vector<WindowEntry> wizardWindows();   // dialogs/wizard
std::vector<WindowEntry> tableWindows();    // dialogs/tables
std::vector<WindowEntry> formWindows();     // dialogs/forms
std::vector<WindowEntry> ssiWindows();      // dialogs/ssi
