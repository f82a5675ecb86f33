#pragma once

#include "dialogs/common/tagdialog.h"

// TEXTAREA with its placeholder content.
class formss3 : public TagDialog
{
    Q_OBJECT

public:
    explicit formss3(Form1 &form);

private:
    QString build() override;
    void reset() override;

    QLineEdit *Text1;
    QLineEdit *Text2;
    QLineEdit *Text3;
    QComboBox *Combo1;
};
