#pragma once

#include "dialogs/common/tagdialog.h"

// BGSOUND. The INFINITE box locks the Loop field; an empty Loop field loops for ever
// whatever the box says.
class bgs1 : public TagDialog
{
    Q_OBJECT

public:
    explicit bgs1(Form1 &form);

private:
    QString build() override;
    void reset() override;

    QLineEdit *Text1;
    QLineEdit *Text2;
    QCheckBox *Check1;
};
