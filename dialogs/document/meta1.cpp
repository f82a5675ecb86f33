#include "meta1.h"

#include <QLineEdit>

meta1::meta1(Form1 &form)
    : TagDialog(form, {"meta1", "META...", "META", {6690, 2250}}, tag("META"))
{
    Text1 = addText("Text1", {"Label1", "HTTP-EQUIV:"}, 0);
    Text2 = addText("Text2", {"Label2", "Name:"}, 0, 2);
    // The content is usually the longest value, so it gets a whole row.
    Text3 = addText("Text3", {"Label3", "Content:"}, 1);
    widen({Text3}, 3);
}

QString meta1::build()
{
    return "<META" + attribute("HTTP-EQUIV", Text1->text())
           + attribute("NAME", Text2->text())
           + attribute("CONTENT", Text3->text()) + ">";
}

void meta1::reset()
{
    clearFields({Text1, Text2, Text3});
}
