#pragma once

#include <QStringList>

class QWidget;

// The shared tables of the tag dialog tests. Each xxxColumns() declares the columns of
// a _data() function and the matching checkXxx() runs one of its rows on a fresh Program.
//
// Dialogs are driven through their real widgets. Fields are "name=value" items: text
// boxes and combo boxes take the value as their text, a check box is clicked until it
// shows the value (1 or 0), an option button is clicked when the value is 1.
namespace DialogTables {
// opener (a menu item's action name or a main window button's name), window, caption,
// frame (object name of the group frame), frameCaption: the opener shows the window.
void opensColumns();
void checkOpens();

// action, window, fields, expected: the bytes "&Ok" inserts after the fields were set.
void outputColumns();
void checkOutput();

// action, window, fields, closeButton, expected: the fields' values, as "name=value"
// items, when the window is opened again after the fields were set and closeButton pressed.
void reopenColumns();
void checkReopen();

// action, window, first, next: the widgets that Tab reaches from first, in order.
void tabOrderColumns();
void checkTabOrder();
} // namespace DialogTables

// The object names of the next count widgets that Tab reaches from widget.
QStringList tabStopsAfter(QWidget *widget, int count);
