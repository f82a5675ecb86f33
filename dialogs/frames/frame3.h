#pragma once

#include "dialogs/common/tagdialog.h"

// A floating frame with placeholder content.
class frame3 : public TagDialog
{
    Q_OBJECT

public:
    explicit frame3(Form1 &form);

private:
    QString build() override;
    void reset() override;

    QLineEdit *Text1;
    QLineEdit *Text2;
    QLineEdit *Text3;
    QLineEdit *Text4;
};
