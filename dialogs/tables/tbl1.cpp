#include "tbl1.h"

#include <QLineEdit>

tbl1::tbl1(Form1 &form)
    : TableDialog(form, {"tbl1", "Table", "TABLE", {6165, 3000}}, tag("TABLE"))
{
    Text1 = addText("Text1", {"Label1(0)", "Border:"}, 0);
    Text2 = addText("Text2", {"Label1(3)", "Cellpadding:"}, 0, 3);
    Text3 = addText("Text3", {"Label1(2)", "CellSpacing:"}, 0, 5);
    addBorderAndPlacementRows(1, {"Command3", "Command4", "Command5"}, {"Label1(8)", "Width:"});
    setTabOrder({"Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "Command1", "Command2",
                 "Text7", "Text8", "Text9", "Command3", "Command4", "Command5"});
}

QString tbl1::build()
{
    return "<TABLE" + attribute("BORDER", Text1->text())
           + attribute("CELLPADDING", Text2->text())
           + attribute("CELLSPACING", Text3->text()) + borderAndPlacement()
           + ">\n</TABLE>";
}
