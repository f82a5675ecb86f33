#include "img2.h"

#include <QLineEdit>

img2::img2(Form1 &form)
    : TagDialog(form, {"img2", "Embed...", "Embed", {4215, 2295}}, tag("EMBED"))
{
    Text1 = addText("Text1", {"Label1", "Src:"}, 0);
    Text2 = addText("Text2", {"Label2", "Width:"}, 1);
    Text3 = addText("Text3", {"Label3", "Height:"}, 2);
    Text4 = addText("Text4", {"Label4", "Border:"}, 1, 2);
    Text5 = addText("Text5", {"Label5", "Loop:"}, 2, 2);
    widen({Text1}, 3);
}

QString img2::build()
{
    return "<EMBED" + attribute("SRC", Text1->text())
           + attribute("WIDTH", Text2->text())
           + attribute("HEIGHT", Text3->text())
           + attribute("BORDER", Text4->text())
           + attribute("LOOP", Text5->text()) + ">";
}

void img2::reset()
{
    clearFields({Text1, Text2, Text3, Text4, Text5});
}
