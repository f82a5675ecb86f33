#include "nextid1.h"

#include <QLineEdit>

nextid1::nextid1(Form1 &form)
    : TagDialog(form, {"nextid1", "NextId", "NEXTID", {3240, 1515}}, tag("NEXTID"))
{
    Text1 = addText("Text1", {"Label1", "Number:"}, 0);
}

QString nextid1::build()
{
    return "<NEXTID" + alwaysWritten("N", Text1->text()) + ">";
}
