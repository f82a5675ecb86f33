#pragma once

#include "dialogs/common/tagdialog.h"

// An ordered list skeleton with numbering type and start, beside a note on the types.
class list2 : public TagDialog
{
    Q_OBJECT

public:
    explicit list2(Form1 &form);

private:
    QString build() override;
    void reset() override;

    QLineEdit *Text1;
    QComboBox *Combo1;
    QLabel *Label3;
};
