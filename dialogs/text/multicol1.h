#pragma once

#include "dialogs/common/tagdialog.h"

// MULTICOL: refuses to insert without a number of columns.
class multicol1 : public TagDialog
{
    Q_OBJECT

public:
    explicit multicol1(Form1 &form);

private:
    QString build() override;
    void reset() override;
    void ok() override;

    QLineEdit *Text1;
    QLineEdit *Text2;
    QLineEdit *Text3;
};
