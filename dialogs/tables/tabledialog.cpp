#include "tabledialog.h"

#include <QLineEdit>

void TableDialog::addBorderAndPlacementRows(int first, const QStringList &colourButtons,
                                            const Label &width)
{
    Text4 = addText("Text4", {"Label1(1)", "BorderColor  #"}, first);
    Text5 = addText("Text5", {"Label1(4)", "BorderColorLight  #"}, first + 1);
    Text6 = addText("Text6", {"Label1(5)", "BorderColorDark  #"}, first + 2);
    addColourButton(colourButtons.at(0), "Choose Color", Text4, first, 2);
    addColourButton(colourButtons.at(1), "Choose Color", Text5, first + 1, 2);
    addColourButton(colourButtons.at(2), "Choose Color", Text6, first + 2, 2);
    Text7 = addText("Text7", {"Label1(6)", "Align:"}, first, 3);
    Text8 = addText("Text8", {"Label1(7)", "Valign:"}, first + 1, 3);
    Text9 = addText("Text9", width, first + 2, 3);
}

// The light and dark colours go by the names browsers know, BORDERCOLORLIGHT and
// BORDERCOLORDARK, whatever the labels say.
QString TableDialog::borderAndPlacement() const
{
    return attribute("BORDERCOLOR", Text4->text())
           + attribute("BORDERCOLORLIGHT", Text5->text())
           + attribute("BORDERCOLORDARK", Text6->text())
           + attribute("ALIGN", Text7->text())
           + attribute("VALIGN", Text8->text())
           + attribute("WIDTH", Text9->text());
}

void TableDialog::reset()
{
    for (QLineEdit *field : {Text1, Text2, Text3, Text4, Text5, Text6, Text7, Text8, Text9})
        field->clear();
}
