#pragma once

#include "dialogs/common/tagdialog.h"

// SELECT: the start tag and then, in a second insertion, the placeholder options and
// the end tag. Its lines end in a carriage return.
class formss5 : public TagDialog
{
    Q_OBJECT

public:
    explicit formss5(Form1 &form);

private:
    QString build() override;
    void ok() override;
    void reset() override;

    QLineEdit *Text1;
    QLineEdit *Text2;
    QCheckBox *Check1;
};
