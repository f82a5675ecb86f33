#pragma once

#include "dialogs/common/tagdialog.h"

// A DOCTYPE declaration chosen from the list or typed. It stays open so that one
// declaration can go into several places; only C&ancel closes it.
class doc : public TagDialog
{
    Q_OBJECT

public:
    explicit doc(Form1 &form);

private:
    QString build() override;
    void ok() override;

    QComboBox *Combo1;
};
