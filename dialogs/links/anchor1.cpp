#include "anchor1.h"

#include <QGridLayout>
#include <QLineEdit>

anchor1::anchor1(Form1 &form)
    : TagDialog(form, {"anchor1", "Anchors / links", "Anchor / Link", {4860, 3045}}, tag("A"))
{
    Text1 = addText("Text1", {"Label1", "HREF:"}, 0);
    Text2 = addText("Text2", {"Label2", "Name:"}, 1);
    Text3 = addText("Text3", {"Label3", "Title:"}, 2);
    Text4 = addText("Text4", {"Label4", "Methods:"}, 3);
    Text5 = addText("Text5", {"Label5", "Target:"}, 4);
    Text6 = addText("Text6", {"Label6", "Rel:"}, 0, 2);
    Text7 = addText("Text7", {"Label7", "Rev:"}, 1, 2);
    grid()->setColumnStretch(1, 3);
    grid()->setColumnStretch(3, 1);
}

QString anchor1::build()
{
    return "<A" + attribute("HREF", Text1->text())
           + attribute("NAME", Text2->text())
           + attribute("TITLE", Text3->text())
           + attribute("METHODS", Text4->text())
           + attribute("TARGET", Text5->text())
           + attribute("REL", Text6->text())
           + attribute("REV", Text7->text()) + ">Your link here</A>";
}
