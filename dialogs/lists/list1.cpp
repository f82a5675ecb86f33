#include "list1.h"

#include <QComboBox>

list1::list1(Form1 &form)
    : TagDialog(form, {"list1", "UL List", "UL List", {2610, 1590}})
{
    Combo1 = addCombo("Combo1", {"Label1", "Type:"}, {"SQUARE", "CIRCLE", "DISC", "RADIO"}, 0);
}

QString list1::build()
{
    return "<UL" + attribute("TYPE", Combo1->currentText(), Value::Bare)
           + ">\n<LI>1st item\n<LI>2nd item, etc.\n</UL>";
}

void list1::reset()
{
    clearFields({Combo1});
}
