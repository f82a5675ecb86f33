#pragma once

#include "dialogs/common/tagdialog.h"

#include <array>

// The new-document wizard: writes a page skeleton from the document type, the title,
// the body's colours and a few placeholder lines. Nothing is reset after OK.
class htmlwiz1 : public TagDialog
{
    Q_OBJECT

public:
    explicit htmlwiz1(Form1 &form);

private:
    QString build() override;
    void ok() override;
    QString bodyTag() const;

    QCheckBox *Check1;
    QComboBox *Combo1;
    QLineEdit *Text1;
    QCheckBox *Check2;
    QLineEdit *Text7;
    std::array<QLineEdit *, 5> m_colourFields; // Text2 to Text6
    std::array<QPushButton *, 5> Command3;
    QCheckBox *Check3;
    QCheckBox *Check4;
    QCheckBox *Check5;
    QLineEdit *Text8;
};
