#include "ssi1.h"

#include "directive.h"

#include <QComboBox>

ssi1::ssi1(Form1 &form)
    : TagDialog(form, {"ssi1", "Echo...", "Echo", {3675, 1620}}, ssiDirective("echo"))
{
    Combo1 = addCombo("Combo1", {"Label1", "variable:"}, listed("var"), 0);
}

QString ssi1::build()
{
    return directive("echo", attribute("var", Combo1->currentText()));
}
