#include "mar1.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

mar1::mar1(Form1 &form)
    : TagDialog(form, {"mar1", "MARQUEE", "Marquee", {5355, 4455}}, tag("MARQUEE"))
{
    Combo1 = addCombo("Combo1", {"Label1", "Align:"}, listed("ALIGN"), 0);
    Combo2 = addCombo("Combo2", {"Label2", "Direction:"}, listed("DIRECTION"), 0, 2);
    Combo3 = addCombo("Combo3", {"Label3", "Behavior:"}, listed("BEHAVIOR"), 1);
    Text1 = addText("Text1", {"Label4", "BGCOLOR    #"}, 2);
    auto choose = addColourButton("Command3", "Choose Color", Text1, 2, 2);
    Text2 = addText("Text2", {"Label5", "Height:"}, 3);
    Text3 = addText("Text3", {"Label6", "Width:"}, 3, 2);
    Text4 = addText("Text4", {"Label7", "Hspace:"}, 4);
    Text5 = addText("Text5", {"Label8", "Vspace:"}, 4, 2);
    Text6 = addText("Text6", {"Label9", "Loop:"}, 5, 0, "1");
    Check1 = addCheck("Check1", "Loop INFINITE", 5, 2, true);
    widen({Check1}, 2);
    Text7 = addText("Text7", {"Label10", "ScrollAmount:"}, 6);
    Text8 = addText("Text8", {"Label11", "ScrollDelay:"}, 6, 2);
    lockWhileChecked(Check1, Text6);
    setTabOrder({Text1, Text2, Text3, Text4, Text5, Text6, Text7, Text8, cancelButton(),
                 okButton(), Check1, Combo1, Combo2, Combo3, choose});
}

QString mar1::build()
{
    return "<MARQUEE" + attribute("ALIGN", Combo1->currentText())
           + attribute("DIRECTION", Combo2->currentText())
           + attribute("BEHAVIOR", Combo3->currentText())
           + attribute("BGCOLOR", Text1->text())
           + attribute("HEIGHT", Text2->text())
           + attribute("WIDTH", Text3->text())
           + attribute("HSPACE", Text4->text())
           + attribute("VSPACE", Text5->text()) + loop()
           + attribute("SCROLLAMOUNT", Text7->text())
           + attribute("SCROLLDELAY", Text8->text()) + ">Scrolling text</MARQUEE>";
}

// An empty count turns the box on, which also locks the field.
QString mar1::loop()
{
    if (Text6->text().isEmpty())
        Check1->setChecked(true);
    return loopAttribute(Check1->isChecked() ? QString() : Text6->text());
}

void mar1::reset()
{
    clearFields({Text1, Text2, Text3, Text4, Text5, Text6, Text7, Text8});
    Check1->setChecked(true);
}
