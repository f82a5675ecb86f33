#include "formss1.h"

#include <QLineEdit>
#include <QPushButton>

// Here Command1 is OK and comes before Command2 in the keyboard order.
formss1::formss1(Form1 &form)
    : TagDialog(form, {"formss1", "Form...", "Form...", {3885, 2250}, "Frame3", "Command1",
                       "Command2"},
                tag("FORM"))
{
    Text1 = addText("Text1", {"Label1(0)", "Action:"}, 0);
    Text2 = addText("Text2", {"Label1(1)", "Method:"}, 1);
    Text3 = addText("Text3", {"Label1(2)", "Enctype:"}, 2);
    setTabOrder({Text1, Text2, Text3, okButton(), cancelButton()});
}

QString formss1::build()
{
    return "<FORM" + attribute("ACTION", Text1->text())
           + attribute("METHOD", Text2->text())
           + attribute("ENCTYPE", Text3->text()) + ">\n</FORM>";
}

void formss1::reset()
{
    clearFields({Text1, Text2, Text3});
}
