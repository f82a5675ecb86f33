#pragma once

#include "dialogs/common/tagdialog.h"

// An unordered list skeleton with an optional bullet type.
class list1 : public TagDialog
{
    Q_OBJECT

public:
    explicit list1(Form1 &form);

private:
    QString build() override;
    void reset() override;

    QComboBox *Combo1;
};
