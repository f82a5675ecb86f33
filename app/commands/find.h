#pragma once

#include "commandwindow.h"

class QButtonGroup;
class QGridLayout;
class QLabel;
class QLineEdit;
class QRadioButton;
class QVBoxLayout;

// What the Find and Replace windows share: the text to find, the three options as one
// group, "&Find next", "C&ancel", and the search from the end of the selection onwards.
class SearchWindow : public CommandWindow
{
    Q_OBJECT

protected:
    SearchWindow(Form1 &form, const QString &name, const QString &caption, QSize clientTwips);

    int flags() const; // the editor's find flags the chosen option stands for
    bool findNext();
    // Row 1 of the grid is free for a field under "Find what:".
    QGridLayout *grid() const { return m_grid; }
    // A button above "C&ancel".
    void addButton(QPushButton *button);

    QLabel *Label1;
    QLineEdit *Findit;
    QRadioButton *matchcase;
    QRadioButton *Option1;
    QRadioButton *Option2;
    QPushButton *findnext;
    QPushButton *Cancel;

private:
    QButtonGroup *m_options;
    QGridLayout *m_grid;
    QVBoxLayout *m_buttons;
};

// The Find window: the text found becomes the selection.
class Find : public SearchWindow
{
    Q_OBJECT

public:
    explicit Find(Form1 &form);
};
