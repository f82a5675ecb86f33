#include "spacer1.h"

#include <QComboBox>
#include <QLineEdit>

spacer1::spacer1(Form1 &form)
    : TagDialog(form, {"spacer1", "Spacer", "Spacer", {3930, 2700}}, tag("SPACER"))
{
    Combo1 = addCombo("Combo1", {"Label1", "Type:"}, listed("TYPE"), 0, 0, "horizontal");
    Text1 = addText("Text1", {"Label2", "Size:"}, 0, 2);
    Text2 = addText("Text2", {"Label3", "Width:"}, 1);
    Text3 = addText("Text3", {"Label4", "Height:"}, 1, 2);
    Combo2 = addCombo("Combo2", {"Label5", "Align:"}, listed("ALIGN"), 2);
}

QString spacer1::build()
{
    return "<SPACER" + alwaysWritten("TYPE", Combo1->currentText())
           + attribute("SIZE", Text1->text())
           + attribute("WIDTH", Text2->text())
           + attribute("HEIGHT", Text3->text())
           + attribute("ALIGN", Combo2->currentText()) + ">";
}
