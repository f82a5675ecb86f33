#pragma once

#include "tabledialog.h"

// What makes a cell dialog a data cell or a header cell.
struct CellKind
{
    DialogSetup setup;
    QString element;           // "TD"
    QString tail;              // after the attributes: ">Your column content</TD>"
    QStringList colourButtons; // for BgColor, BorderColor, BorderColorLight, BorderColorDark
    QStringList tabOrder;      // object names, first to last
};

// One table cell with its attributes and placeholder content, written with no line
// break around it.
class TableCell : public TableDialog
{
    Q_OBJECT

public:
    TableCell(Form1 &form, const CellKind &kind);

private:
    QString build() override;
    void reset() override;

    QString m_element;
    QString m_tail;
    QCheckBox *Check1;
};
