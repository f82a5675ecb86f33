#pragma once

#include "dialogs/common/tagdialog.h"

// ISINDEX with its prompt and action.
class is1 : public TagDialog
{
    Q_OBJECT

public:
    explicit is1(Form1 &form);

private:
    QString build() override;
    void reset() override;

    QLineEdit *Text1;
    QLineEdit *Text2;
};
