#include "bgs1.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>

bgs1::bgs1(Form1 &form)
    : TagDialog(form, {"bgs1", "Background Sound", "BGSOUND", {4410, 2220}}, tag("BGSOUND"))
{
    Text1 = addText("Text1", {"Label1", "Src:"}, 0);
    widen({Text1}, 2);
    Text2 = addText("Text2", {"Label2", "Loop:"}, 1);
    Text2->setReadOnly(true);
    Check1 = addCheck("Check1", "INFINITE", 1, 2, true);
    lockWhileChecked(Check1, Text2);
    widen({addLabel("Label3", "Note: This works only with Internet Explorer", 2)}, 3);
}

QString bgs1::build()
{
    return "<BGSOUND" + attribute("SRC", Text1->text())
           + loopAttribute(Text2->text()) + ">";
}

void bgs1::reset()
{
    clearFields({Text1, Text2});
}
