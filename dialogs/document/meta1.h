#pragma once

#include "dialogs/common/tagdialog.h"

// META with HTTP-EQUIV, NAME and CONTENT.
class meta1 : public TagDialog
{
    Q_OBJECT

public:
    explicit meta1(Form1 &form);

private:
    QString build() override;
    void reset() override;

    QLineEdit *Text1;
    QLineEdit *Text2;
    QLineEdit *Text3;
};
