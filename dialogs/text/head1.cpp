#include "head1.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

Head1::Head1(Form1 &form)
    // The six levels have the same attributes.
    : TagDialog(form, {"Head1", "Headings...", "Heading", {4890, 2805}}, tag("H1"))
{
    Combo2 = addCombo("Combo2", {"Label5", "Heading:"}, {"1", "2", "3", "4", "5", "6"}, 0, 0,
                      "1");
    Check1 = addCheck("Check1", "NoWrap", 0, 2);
    Combo1 = addCombo("Combo1", {"Label1", "Align:"}, listed("ALIGN"), 1);
    Text1 = addText("Text1", {"Label3", "Src:"}, 2);
    Text2 = addText("Text2", {"Label4", "Dingbat:"}, 3);
    widen({Text1}, 2);
    widen({Text2}, 2);
    setTabOrder({Text1, Text2, Check1, cancelButton(), okButton(), Combo1, Combo2});
}

QString Head1::build()
{
    const QString level = Combo2->currentText();
    // The "Src:" row carries the dingbat and the "Dingbat:" row the MD attribute.
    return "<H" + level + attribute("ALIGN", Combo1->currentText())
           + flagged("NOWRAP", Check1->isChecked())
           + attribute("DINGBAT", Text1->text())
           + attribute("MD", Text2->text()) + ">Heading</H" + level + ">";
}

void Head1::reset()
{
    clearFields({Text1, Text2});
    Check1->setChecked(false);
}
