#pragma once

#include "dialogs/common/tagdialog.h"

// H1 to H6. The level is whatever the Heading combo shows, whichever heading command
// opened the dialog, and is written unchecked.
class Head1 : public TagDialog
{
    Q_OBJECT

public:
    explicit Head1(Form1 &form);

private:
    QString build() override;
    void reset() override;

    QComboBox *Combo2;
    QCheckBox *Check1;
    QComboBox *Combo1;
    QLineEdit *Text1;
    QLineEdit *Text2;
};
