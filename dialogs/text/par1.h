#pragma once

#include "dialogs/common/tagdialog.h"

// P with alignment, CLEAR and NOWRAP; the No Wrap box stays as it was left.
class par1 : public TagDialog
{
    Q_OBJECT

public:
    explicit par1(Form1 &form);

private:
    QString build() override;
    void reset() override;

    QComboBox *Combo1;
    QComboBox *Combo2;
    QCheckBox *Check1;
};
