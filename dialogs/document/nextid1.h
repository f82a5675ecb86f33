#pragma once

#include "dialogs/common/tagdialog.h"

// NEXTID: the number is always written, even when empty, and kept for the next use.
class nextid1 : public TagDialog
{
    Q_OBJECT

public:
    explicit nextid1(Form1 &form);

private:
    QString build() override;

    QLineEdit *Text1;
};
