#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

class Program;
class QWidget;

// Tables of dialog uses: each row is what a user does, step by step, and the bytes the
// editor holds afterwards. A step is one of
//   "menu:mnuname"   choose a menu item          "tab:Command14(3)"  press a tab button
//   "Text1=abc"      replace a field's or combo's text by typing (a locked field
//                    takes nothing)
//   "Combo1#4"       pick the list item at index 4
//   "click:Check1"   click a button or check box of the dialog
//   "ok", "cancel"   press "&Ok" or "C&ancel"
//   "colour:FF0000", "colour:cancel"  how the user leaves the next colour dialog
void addDialogColumns();
void newDialogRow(const char *name, const QString &window, const QStringList &steps,
                  const QByteArray &expected, bool openAfterwards = false,
                  const QStringList &messages = {});
// Runs the current row and compares the editor's bytes, the window's visibility and
// the messages the user saw.
void checkDialogRow();

// The window a step opens, with its caption (columns opener, window, caption).
void addOpenColumns();
void checkOpenRow();
// A label's caption and the field it names (columns opener, window, widget, caption,
// buddy; no buddy is an empty name).
void addCaptionColumns();
void checkCaptionRow();
// The keyboard order of a window (columns opener, window, order).
void addTabOrderColumns();
void checkTabOrderRow();

// Runs the steps; returns what went wrong, or nothing.
QString runSteps(Program &program, const QString &window, const QStringList &steps);
// The window's widgets in the order the Tab key visits them, from the one that has
// the keyboard when the window opens.
QStringList tabStops(QWidget *window);
