#include "list1.h"

#include <QComboBox>

list1::list1(Form1 &form)
    : TagDialog(form, {"list1", "UL List", "UL List", {2610, 1590}}, tag("UL"))
{
    Combo1 = addCombo("Combo1", {"Label1", "Type:"}, listed("TYPE"), 0);
}

QString list1::build()
{
    return "<UL" + attribute("TYPE", Combo1->currentText())
           + ">\n<LI>1st item\n<LI>2nd item, etc.\n</UL>";
}

void list1::reset()
{
    clearFields({Combo1});
}
