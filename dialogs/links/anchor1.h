#pragma once

#include "dialogs/common/tagdialog.h"

// A link or named anchor around placeholder text. Every field stays for the next link.
class anchor1 : public TagDialog
{
    Q_OBJECT

public:
    explicit anchor1(Form1 &form);

private:
    QString build() override;

    QLineEdit *Text1;
    QLineEdit *Text2;
    QLineEdit *Text3;
    QLineEdit *Text4;
    QLineEdit *Text5;
    QLineEdit *Text6;
    QLineEdit *Text7;
};
