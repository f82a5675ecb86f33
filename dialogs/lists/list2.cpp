#include "list2.h"

#include "app/commondialogs.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

namespace {
const char note[] = "\rNOTE:\r\rType=A means Capital letters\rTYPE=a means small letters\r"
                    "TYPE=I means large roman count\rTYPE=i means small roman count\r"
                    "TYPE=1 means numeric count";
}

list2::list2(Form1 &form)
    : TagDialog(form, {"list2", "OL List", "OL List", {4815, 1860}, "Frame3", "Command2",
                       "Command1", true},
                tag("OL"))
{
    // Start comes before Type in the keyboard order, though Type is the upper row.
    Text1 = addText("Text1", {"Label2", "Start:"}, 1);
    Combo1 = addCombo("Combo1", {"Label1", "Type:"}, listed("TYPE"), 0);
    Label3 = makeLabel("Label3", shownLines(note));
    Label3->setTextFormat(Qt::PlainText);
    addBesideFrame(Label3);
}

QString list2::build()
{
    return "<OL" + attribute("TYPE", Combo1->currentText())
           + attribute("START", Text1->text())
           + ">\n<LI>1st item\n<LI>2nd item, etc\n</OL>";
}

void list2::reset()
{
    clearFields({Combo1, Text1});
}
