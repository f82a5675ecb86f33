#pragma once

#include "dialogs/common/tagdialog.h"

// INPUT: a start tag only. Type and Align stay for the next field; the lone Checked
// option is cleared by OK alone, never by a click.
class formss2 : public TagDialog
{
    Q_OBJECT

public:
    explicit formss2(Form1 &form);

private:
    QString build() override;
    void reset() override;

    QComboBox *Combo1;
    QComboBox *Combo2;
    QLineEdit *Text1;
    QLineEdit *Text2;
    QLineEdit *Text3;
    QLineEdit *Text4;
    QLineEdit *Text5;
    QRadioButton *Option1;
};
