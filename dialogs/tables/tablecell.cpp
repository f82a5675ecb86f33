#include "tablecell.h"

#include <QCheckBox>
#include <QLineEdit>

TableCell::TableCell(Form1 &form, const CellKind &kind)
    : TableDialog(form, kind.setup, tag(kind.element))
    , m_element(kind.element)
    , m_tail(kind.tail)
{
    Text1 = addText("Text1", {"Label1(0)", "BgColor  #"}, 0);
    addColourButton(kind.colourButtons.at(0), "Choose Color", Text1, 0, 2);
    Text2 = addText("Text2", {"Label1(3)", "Rowspan:"}, 0, 3);
    Text3 = addText("Text3", {"Label1(2)", "ColSpan:"}, 0, 5);
    addBorderAndPlacementRows(1, kind.colourButtons.mid(1), {"Label2", "Width"});
    Check1 = addCheck("Check1", "NoWrap", 4, 3);
    setTabOrder(kind.tabOrder);
}

QString TableCell::build()
{
    return "<" + m_element + attribute("BGCOLOR", Text1->text())
           + attribute("ROWSPAN", Text2->text())
           + attribute("COLSPAN", Text3->text()) + borderAndPlacement()
           + flagged("NOWRAP", Check1->isChecked()) + m_tail;
}

void TableCell::reset()
{
    TableDialog::reset();
    Check1->setChecked(false);
}
