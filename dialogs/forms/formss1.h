#pragma once

#include "dialogs/common/tagdialog.h"

// FORM with its action, method and encoding, and an empty body.
class formss1 : public TagDialog
{
    Q_OBJECT

public:
    explicit formss1(Form1 &form);

private:
    QString build() override;
    void reset() override;

    QLineEdit *Text1;
    QLineEdit *Text2;
    QLineEdit *Text3;
};
