#pragma once

#include "dialogs/common/tagdialog.h"

// DIV with placeholder content; the alignment stays for the next division.
class div1 : public TagDialog
{
    Q_OBJECT

public:
    explicit div1(Form1 &form);

private:
    QString build() override;

    QComboBox *Combo1;
};
