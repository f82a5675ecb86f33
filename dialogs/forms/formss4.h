#pragma once

#include "dialogs/common/tagdialog.h"

// OPTION: a start tag with its value and one state.
class formss4 : public TagDialog
{
    Q_OBJECT

public:
    explicit formss4(Form1 &form);

private:
    QString build() override;
    void reset() override;

    QLineEdit *Text1;
    QRadioButton *Option1;
    QRadioButton *Option2;
    QRadioButton *Option3;
    QRadioButton *Option4;
};
