#pragma once

#include "dialogs/common/tagdialog.h"

// MARQUEE. The "Loop INFINITE" box locks the Loop field whenever it changes; it starts
// checked with a count of 1 still editable, and OK checks it when the count is empty.
class mar1 : public TagDialog
{
    Q_OBJECT

public:
    explicit mar1(Form1 &form);

private:
    QString build() override;
    void reset() override;
    QString loop();

    QComboBox *Combo1;
    QComboBox *Combo2;
    QComboBox *Combo3;
    QLineEdit *Text1;
    QLineEdit *Text2;
    QLineEdit *Text3;
    QLineEdit *Text4;
    QLineEdit *Text5;
    QLineEdit *Text6;
    QCheckBox *Check1;
    QLineEdit *Text7;
    QLineEdit *Text8;
};
