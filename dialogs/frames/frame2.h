#pragma once

#include "dialogs/common/tagdialog.h"

// One frame of a frameset. Nothing is emptied: the next frame often differs in one field.
class frame2 : public TagDialog
{
    Q_OBJECT

public:
    explicit frame2(Form1 &form);

private:
    QString build() override;

    QLineEdit *Text1;
    QLineEdit *Text2;
    QLineEdit *Text3;
    QLineEdit *Text4;
    QLineEdit *Text5;
    QLineEdit *Text6;
    QRadioButton *Option1;
    QRadioButton *Option2;
    QCheckBox *Check1;
};
