#pragma once

#include "commandwindow.h"

class QGroupBox;
class QLabel;
class QLineEdit;

// The viewer window: starts the viewer program the user names with the saved document.
class preview1 : public CommandWindow
{
    Q_OBJECT

public:
    explicit preview1(Form1 &form);

private:
    void startViewer();

    QGroupBox *Frame3;
    QLabel *Label1;
    QLineEdit *Text1;
    QPushButton *Command1;
    QPushButton *Command2;
};
