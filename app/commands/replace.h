#pragma once

#include "find.h"

// The Replace window: Find's search with a text to put in place of what it finds,
// one occurrence at a time or all at once.
class Replace : public SearchWindow
{
    Q_OBJECT

public:
    explicit Replace(Form1 &form);

private:
    void replaceOne();
    void replaceEvery();

    QLabel *Label2;
    QLineEdit *Replacewith;
    QPushButton *replace;
    QPushButton *replaceall;
    QLabel *Label3; // what "Replace A&ll" did
};
