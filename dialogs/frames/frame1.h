#pragma once

#include "dialogs/common/tagdialog.h"

// A frameset with placeholder content. Rows and Cols stay for the next frameset.
class frame1 : public TagDialog
{
    Q_OBJECT

public:
    explicit frame1(Form1 &form);

private:
    QString build() override;
    void reset() override;
    QLineEdit *addField(const QString &name, const Label &label, int row);

    QLineEdit *Text1;
    QLineEdit *Text2;
    QLineEdit *Text3;
    QLineEdit *Text4;
    QPushButton *Command1;
};
