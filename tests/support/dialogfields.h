#pragma once

#include <QByteArray>
#include <QStringList>

class Program;
class QWidget;

// Tag dialogs driven through their real widgets. Fields are "name=value" items: text
// boxes and combo boxes take the value as their text, a check box is clicked until it
// shows the value (1 or 0), an option button is clicked when the value is 1.
void setFields(Program &program, const QString &window, const QStringList &fields);

// Opens the window with a menu item (by action name) or a main window button (by its
// name) and returns it when it is visible.
QWidget *openWith(Program &program, const QString &opener, const QString &window);

// Opens the dialog with its menu item, sets the fields, presses "&Ok" and returns the
// editor's bytes.
QByteArray okWith(Program &program, const QString &action, const QString &window,
                  const QStringList &fields);

// Sets the fields, closes the dialog with the button, opens it again with the menu item
// and returns what the same fields hold then, as "name=value" items.
QStringList reopenedAfter(Program &program, const QString &action, const QString &window,
                          const QStringList &fields, const QString &closeButton);

// The object names of the next count widgets that Tab reaches from widget.
QStringList tabStopsAfter(QWidget *widget, int count);
