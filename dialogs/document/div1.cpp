#include "div1.h"

#include <QComboBox>

div1::div1(Form1 &form)
    : TagDialog(form, {"div1", "Division", "Division", {3180, 2265}}, tag("DIV"))
{
    Combo1 = addCombo("Combo1", {"Label1", "Align:"}, listed("ALIGN"), 0);
}

QString div1::build()
{
    return "<DIV" + attribute("ALIGN", Combo1->currentText()) + ">Division</DIV>";
}
