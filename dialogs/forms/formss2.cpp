#include "formss2.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

formss2::formss2(Form1 &form)
    : TagDialog(form, {"formss2", "Input...", "Input", {5385, 2550}}, tag("INPUT"))
{
    Combo1 = addCombo("Combo1", {"Label1(0)", "Type:"}, listed("TYPE"), 0);
    Text1 = addText("Text1", {"Label1(1)", "Value:"}, 1);
    Text2 = addText("Text2", {"Label1(2)", "Name:"}, 2);
    Text3 = addText("Text3", {"Label1(3)", "Size:"}, 3);
    Text4 = addText("Text4", {"Label1(4)", "Maxlength:"}, 0, 2);
    Option1 = makeOption("Option1", "Checked (only if TYPE=CHECKBOX)");
    grid()->addWidget(Option1, 1, 2, 1, 2);
    // Qt lets a click clear an option button that has no partner; this one stays selected.
    connect(Option1, &QRadioButton::clicked, this, [this] { Option1->setChecked(true); });
    Text5 = addText("Text5", {"Label1(6)", "Src:"}, 2, 2);
    Combo2 = addCombo("Combo2", {"Label1(7)", "Align:"}, listed("ALIGN"), 3, 2);
    setTabOrder({Option1, Combo1, Combo2, Text1, Text2, Text3, Text4, Text5, cancelButton(),
                 okButton()});
}

QString formss2::build()
{
    return "<INPUT" + attribute("TYPE", Combo1->currentText())
           + attribute("ALIGN", Combo2->currentText())
           + attribute("VALUE", Text1->text())
           + attribute("NAME", Text2->text())
           + attribute("SIZE", Text3->text())
           + attribute("MAXLENGTH", Text4->text())
           + attribute("SRC", Text5->text())
           + flagged("CHECKED", Option1->isChecked()) + ">";
}

void formss2::reset()
{
    for (QLineEdit *text : {Text1, Text2, Text3, Text4, Text5})
        text->clear();
    clearOption(Option1);
}
