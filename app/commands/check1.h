#pragma once

#include "commandwindow.h"

class QListWidget;
class QListWidgetItem;

// The HTML Check window: what HTML Tidy finds in the editor's text, one row each;
// choosing a row puts the caret where the finding is.
class check1 : public CommandWindow
{
    Q_OBJECT

public:
    explicit check1(Form1 &form);

    // Checks the text as it stands now; the text itself is never changed.
    void check();

private:
    void goTo(QListWidgetItem *item);

    QListWidget *List1;
    QPushButton *Command1;
};

// Tools › "Check &HTML...": checks the page and shows the findings.
void checkPage(Form1 &form);
