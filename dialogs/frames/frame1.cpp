#include "frame1.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

frame1::frame1(Form1 &form)
    : TagDialog(form, {"frame1", "Frameset", "Frameset...", {3690, 2805}, "Frame2", "Command2",
                       "Command3"},
                tag("FRAMESET"))
{
    Text1 = addField("Text1", {"Label2(0)", "Rows:"}, 0);
    Text2 = addField("Text2", {"Label2(1)", "Cols:"}, 1);
    // Quotes around Rows and Cols remind the user that these two are written quoted.
    for (int index = 2; index < 6; ++index)
        addLabel(QStringLiteral("Label2(%1)").arg(index), "\"", index % 2, index < 4 ? 1 : 3);
    Text3 = addField("Text3", {"Label1", "Border"}, 2);
    Text4 = addField("Text4", {"Label3", "BorderColor     #"}, 3);
    Command1 = addColourButton("Command1", "Choose Color", Text4, 3, 3);
    setTabOrder({Text1, Text2, okButton(), cancelButton(), Text3, Text4, Command1});
}

QLineEdit *frame1::addField(const QString &name, const Label &label, int row)
{
    QLineEdit *field = addText(name, {}, row, 1);
    addLabel(label.name, label.caption, row)->setBuddy(field);
    return field;
}

QString frame1::build()
{
    return "<FRAMESET" + attribute("ROWS", Text1->text())
           + attribute("COLS", Text2->text())
           + attribute("BORDER", Text3->text())
           + attribute("BORDERCOLOR", Text4->text()) + ">Frames\n</FRAMESET>";
}

void frame1::reset()
{
    clearFields({Text3, Text4});
}
