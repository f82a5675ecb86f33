#include "formss3.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

formss3::formss3(Form1 &form)
    : TagDialog(form, {"formss3", "TextArea", "TextArea", {4305, 2370}}, tag("TEXTAREA"))
{
    Text1 = addText("Text1", {"Label1(0)", "Rows:"}, 0);
    Text2 = addText("Text2", {"Label1(1)", "Cols:"}, 0, 2);
    // Name and Wrap reach across both columns of the Rows and Cols row.
    Text3 = makeText("Text3");
    addLabel("Label1(2)", "Name:", 1)->setBuddy(Text3);
    grid()->addWidget(Text3, 1, 1, 1, 3);
    Combo1 = makeCombo("Combo1", listed("WRAP"));
    addLabel("Label1(3)", "Wrap:", 2)->setBuddy(Combo1);
    grid()->addWidget(Combo1, 2, 1, 1, 3);
}

QString formss3::build()
{
    return "<TEXTAREA" + attribute("ROWS", Text1->text())
           + attribute("COLS", Text2->text())
           + attribute("NAME", Text3->text())
           + attribute("WRAP", Combo1->currentText())
           + ">Text included (can also be ommited)</TEXTAREA>";
}

void formss3::reset()
{
    clearFields({Text1, Text2, Text3, Combo1});
}
