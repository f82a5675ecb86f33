#include "img1.h"

#include <QComboBox>
#include <QLineEdit>

img1::img1(Form1 &form)
    : TagDialog(form, {"img1", "Image...", "Images", {4575, 3855}}, tag("IMG"))
{
    Text1 = addText("Text1", {"Label1", "Src:"}, 0);
    Text2 = addText("Text2", {"Label2", "Low Src:"}, 1);
    Text3 = addText("Text3", {"Label3", "Alt text:"}, 2);
    Combo1 = addCombo("Combo1", {"Label4", "Align:"}, listed("ALIGN"), 3);
    Text4 = addText("Text4", {"Label5(0)", "Width:"}, 4);
    Text5 = addText("Text5", {"Label5(1)", "Height:"}, 5);
    Text6 = addText("Text6", {"Label6", "Border:"}, 4, 2);
    widen({Text1, Text2, Text3, Combo1}, 3);
}

QString img1::build()
{
    return "<IMG" + attribute("SRC", Text1->text())
           + attribute("LOWSRC", Text2->text())
           + attribute("ALT", Text3->text())
           + attribute("ALIGN", Combo1->currentText())
           + attribute("WIDTH", Text4->text())
           + attribute("HEIGHT", Text5->text())
           + attribute("BORDER", Text6->text()) + ">";
}

void img1::reset()
{
    clearFields({Text1, Text2, Text3, Text4, Text5, Text6});
}
