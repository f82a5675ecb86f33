#pragma once

#include "dialogs/common/tagdialog.h"

// An inline image. The alignment stays for the next image; the rest is emptied.
class img1 : public TagDialog
{
    Q_OBJECT

public:
    explicit img1(Form1 &form);

private:
    QString build() override;
    void reset() override;

    QLineEdit *Text1;
    QLineEdit *Text2;
    QLineEdit *Text3;
    QComboBox *Combo1;
    QLineEdit *Text4;
    QLineEdit *Text5;
    QLineEdit *Text6;
};
