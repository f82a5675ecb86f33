#pragma once

#include "commandwindow.h"

class QButtonGroup;
class QCheckBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QRadioButton;
class QVBoxLayout;

// What the Find and Replace windows share: the text to find, the three options as one
// group, whether the text is a regular expression, "&Find next", "C&ancel", and the search
// from the end of the selection onwards.
class SearchWindow : public CommandWindow
{
    Q_OBJECT

protected:
    SearchWindow(Form1 &form, const QString &name, const QString &caption, QSize clientTwips);

    int flags() const; // the editor's find flags the chosen options stand for
    bool findNext();
    // Tells the user why the editor's last search could not be made; true when it could not.
    bool showSearchFailure();
    // Row 1 of the grid is free for a field under "Find what:", row 6 for a note.
    QGridLayout *grid() const { return m_grid; }
    // A button above "C&ancel".
    void addButton(QPushButton *button);

    QLabel *Label1;
    QLineEdit *Findit;
    QRadioButton *matchcase;
    QRadioButton *Option1;
    QRadioButton *Option2;
    QCheckBox *Check1;
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
