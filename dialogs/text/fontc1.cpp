#include "fontc1.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

fontc1::fontc1(Form1 &form)
    : TagDialog(form, {"fontc1", "Font...", "Font", {4290, 2595}}, tag("FONT"))
{
    Text1 = addText("Text1", {"Label1", "Color:       #"}, 0);
    auto choose = addColourButton("Command3", "Choose &Color", Text1, 0, 2);
    Text2 = addText("Text2", {"Label2", "Size:"}, 1);
    Combo1 = addCombo("Combo1", {"Label3", "Type:"}, listed("FACE"), 2);
    widen({Combo1}, 2);
    setTabOrder({Text1, Text2, Combo1, cancelButton(), okButton(), choose});
}

QString fontc1::build()
{
    return "<FONT" + attribute("COLOR", Text1->text())
           + attribute("SIZE", Text2->text())
           + attribute("FACE", Combo1->currentText())
           + ">Your text with these setting goes here</FONT>";
}

void fontc1::reset()
{
    clearFields({Text1, Text2, Combo1});
}
