#pragma once

#include <QByteArrayList>
#include <QString>
#include <QStringList>

class Program;
class QWidget;

// Tables of dialog uses. Each row runs on a fresh Program as a list of steps, what a
// user does and sees one step at a time:
//   "menu:mnuname"   choose a menu item          "tab:Command14(3)"  press a main window button
//   "Text1=abc"      replace a field's or combo box's text by typing (a locked field
//                    takes nothing)
//   "Combo1#4"       pick the list item at index 4
//   "click:Check1"   click a button, check box or option button of the dialog
//   "ok", "cancel"   press "&Ok" or "C&ancel"
//   "colour:FF0000", "colour:cancel"  how the user leaves the next colour dialog
//   "?Text1=abc"     the field or combo box shows abc ("?Check1=1": the box is set)
//   "?shown", "?hidden"  the dialog is open or closed
// Runs the steps; returns what went wrong, or nothing. Each press of "&Ok" adds what it
// inserted to inserted.
QString runSteps(Program &program, const QString &window, const QStringList &steps,
                 QByteArrayList *inserted = nullptr);

// What each "&Ok" of the steps inserts, whether the window is open at the end and the
// messages the user saw (columns window, steps, inserted, openAfterwards, messages).
void addDialogColumns();
void newDialogRow(const char *name, const QString &window, const QStringList &steps,
                  const QByteArrayList &inserted, bool openAfterwards = false,
                  const QStringList &messages = {});
// A row of two uses: the menu item, the steps and "&Ok", then the menu item and "&Ok"
// again, which shows what the first OK reset and what it kept.
void newTwoUseRow(const char *name, const QString &window, const QString &menuItem,
                  const QStringList &steps, const QByteArray &first, const QByteArray &again);
void checkDialogRow();

// Each opener, on a fresh Program, shows and activates the window with its caption and
// gives the keyboard to the first of its tabStops(); "C&ancel" hides it and the opener
// shows it again (columns window, openers, caption).
void addOpenColumns();
void checkOpenRow();
// A label's caption and the field it names, or a frame's caption (columns opener,
// window, widget, caption, buddy; no buddy is an empty name).
void addCaptionColumns();
void checkCaptionRow();
// The window's keyboard order as tabStops() reads it (columns opener, window, stops);
// a row that ends where it started covers the whole round.
void addTabOrderColumns();
void checkTabOrderRow();

// The names of the first count widgets in the window's keyboard order, from the one
// that has the keyboard when the window becomes active; a combo box goes by its own
// name, not its edit field's.
QStringList tabStops(QWidget *window, int count);
