#pragma once

#include <QSize>
#include <QString>

#include <QList>

class QPushButton;
class QWidget;

// The frame of the program's small windows: a modeless window of the main window with
// its own access keys and, unless resizable, a fixed size and no minimise or maximise
// buttons.
void makeToolWindow(QWidget *window, const QString &name, const QString &caption,
                    bool resizable = false);
// The first size: the client size in twips, grown where the contents need more room;
// it stays fixed unless the window is resizable.
void fitToTwips(QWidget *window, const QSize &clientTwips, bool resizable = false);
// A named push button.
QPushButton *makeButton(const QString &name, const QString &caption);
// Keyboard order, in the order given.
void setTabChain(const QList<QWidget *> &widgets);
