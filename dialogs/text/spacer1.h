#pragma once

#include "dialogs/common/tagdialog.h"

// SPACER: TYPE is written even when empty; every field stays for the next spacer.
class spacer1 : public TagDialog
{
    Q_OBJECT

public:
    explicit spacer1(Form1 &form);

private:
    QString build() override;

    QComboBox *Combo1;
    QLineEdit *Text1;
    QLineEdit *Text2;
    QLineEdit *Text3;
    QComboBox *Combo2;
};
