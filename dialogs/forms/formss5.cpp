#include "formss5.h"

#include <QCheckBox>
#include <QLineEdit>

namespace {
const char *const placeholderOptions[] = {"1st option", "2nd option", "and goes on...."};

QString optionLines()
{
    QString lines;
    for (const char *option : placeholderOptions)
        lines += QStringLiteral("<OPTION>") + option + '\r';
    return lines + QStringLiteral("</SELECT>");
}
} // namespace

formss5::formss5(Form1 &form)
    : TagDialog(form, {"formss5", "Select", "SELECT", {3645, 1845}}, tag("SELECT"))
{
    Text1 = addText("Text1", {"Label1", "Name:"}, 0);
    Text2 = addText("Text2", {"Label2", "Size"}, 1);
    Check1 = addCheck("Check1", "Multiple choices", 1, 2);
}

QString formss5::build()
{
    return "<SELECT" + attribute("NAME", Text1->text())
           + attribute("SIZE", Text2->text()) + flagged("MULTIPLE", Check1->isChecked())
           + ">\r";
}

void formss5::ok()
{
    insert(build());
    insert(optionLines());
    hide();
    reset();
}

void formss5::reset()
{
    clearFields({Text1, Text2});
}
