#include "par1.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>

par1::par1(Form1 &form)
    : TagDialog(form, {"par1", "Paragraph settings", "Paragraph settings", {3735, 2715}, "Frame1"},
                tag("P"))
{
    Combo1 = addCombo("Combo1", {"Label1", "Align:"}, listed("ALIGN"), 0);
    Combo2 = addCombo("Combo2", {"Label2", "Clear:"}, listed("CLEAR"), 1);
    Check1 = addCheck("Check1", "No Wrap", 2, 1);
    setTabOrder({okButton(), cancelButton(), Combo1, Combo2, Check1});
}

QString par1::build()
{
    return "<P" + attribute("ALIGN", Combo1->currentText())
           + attribute("CLEAR", Combo2->currentText())
           + flagged("NOWRAP", Check1->isChecked()) + ">";
}

void par1::reset()
{
    clearFields({Combo1, Combo2});
}
