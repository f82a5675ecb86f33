#pragma once

#include "commandwindow.h"

class QButtonGroup;
class QLabel;
class QLineEdit;
class QRadioButton;

// The Find window: searches the editor for the typed text from the end of the
// selection onwards; the text found becomes the selection.
class Find : public CommandWindow
{
    Q_OBJECT

public:
    explicit Find(Form1 &form);

private:
    void findNext();

    QLabel *Label1;
    QLineEdit *Findit;
    QRadioButton *matchcase;
    QRadioButton *Option1;
    QRadioButton *Option2;
    QPushButton *findnext;
    QPushButton *Cancel;
    QButtonGroup *m_options;
};
