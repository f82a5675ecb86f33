#pragma once

#include "dialogs/common/tagdialog.h"

// Embedded media: a sound or video file with its size, border and loop count.
class img2 : public TagDialog
{
    Q_OBJECT

public:
    explicit img2(Form1 &form);

private:
    QString build() override;
    void reset() override;

    QLineEdit *Text1;
    QLineEdit *Text2;
    QLineEdit *Text3;
    QLineEdit *Text4;
    QLineEdit *Text5;
};
