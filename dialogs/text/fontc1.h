#pragma once

#include "dialogs/common/tagdialog.h"

// FONT with colour, size and face around placeholder text.
class fontc1 : public TagDialog
{
    Q_OBJECT

public:
    explicit fontc1(Form1 &form);

private:
    QString build() override;
    void reset() override;

    QLineEdit *Text1;
    QLineEdit *Text2;
    QComboBox *Combo1;
};
