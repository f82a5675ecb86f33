#include "multicol1.h"

#include "app/commondialogs.h"
#include "app/form1.h"

#include <QLineEdit>

namespace {
const char startColumns[] = "2";
}

multicol1::multicol1(Form1 &form)
    : TagDialog(form, {"multicol1", "Multicol", "MultiColumns", {2865, 1830}}, tag("MULTICOL"))
{
    Text1 = addText("Text1", {"Label1", "Columns"}, 0, 0, startColumns);
    Text2 = addText("Text2", {"Label2", "Gutter"}, 1);
    Text3 = addText("Text3", {"Label3", "Width"}, 0, 2);
}

QString multicol1::build()
{
    return "<MULTICOL" + attribute("COLS", Text1->text())
           + attribute("GUTTER", Text2->text())
           + attribute("WIDTH", Text3->text())
           + ">Columns' text goes here\n</MULTICOL>";
}

void multicol1::reset()
{
    Text1->setText(startColumns);
    clearFields({Text2, Text3});
}

void multicol1::ok()
{
    if (Text1->text().isEmpty()) {
        form().dialogs().message("You must insert the columns value for MultiCol to work");
        return;
    }
    TagDialog::ok();
}
