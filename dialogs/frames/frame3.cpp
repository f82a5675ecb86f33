#include "frame3.h"

#include <QLineEdit>

frame3::frame3(Form1 &form)
    : TagDialog(form, {"frame3", "Iframe", "Iframe", {3540, 2250}, "Frame4"}, tag("IFRAME"))
{
    Text1 = addText("Text1", {"Label1", "Name:"}, 0);
    Text2 = addText("Text2", {"Label2", "Src:"}, 1);
    Text3 = addText("Text3", {"Label3", "Width"}, 2);
    Text4 = addText("Text4", {"Label4", "Height"}, 2, 2);
    widen({Text1, Text2}, 3);
}

QString frame3::build()
{
    return "<IFRAME" + attribute("NAME", Text1->text())
           + attribute("SRC", Text2->text())
           + attribute("WIDTH", Text3->text())
           + attribute("HEIGHT", Text4->text())
           + ">Floating frame goes in here</IFRAME>";
}

void frame3::reset()
{
    clearFields({Text1, Text2, Text3, Text4});
}
