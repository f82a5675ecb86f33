#pragma once

#include "dialogs/common/tagdialog.h"

// The echo directive: one variable, picked from the usual ones or typed, kept after OK.
class ssi1 : public TagDialog
{
    Q_OBJECT

public:
    explicit ssi1(Form1 &form);

private:
    QString build() override;

    QComboBox *Combo1;
};
