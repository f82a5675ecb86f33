#include "is1.h"

#include <QLineEdit>

is1::is1(Form1 &form)
    : TagDialog(form, {"is1", "IsIndex", "IsIndex", {4530, 2175}}, tag("ISINDEX"))
{
    Text1 = addText("Text1", {"Label1", "Prompt:"}, 0);
    Text2 = addText("Text2", {"Label2", "Action:"}, 1);
}

QString is1::build()
{
    return "<ISINDEX" + attribute("PROMPT", Text1->text())
           + attribute("ACTION", Text2->text()) + ">";
}

void is1::reset()
{
    clearFields({Text1, Text2});
}
