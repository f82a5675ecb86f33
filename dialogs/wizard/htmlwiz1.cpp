#include "htmlwiz1.h"

#include "app/commondialogs.h"
#include "app/form1.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {
struct ColourRow
{
    const char *field;
    const char *label;
    const char *caption;
    const char *attribute;
};

// Top to bottom; the BODY tag writes them in the same order.
const ColourRow colourRows[] = {
    {"Text2", "Label4", "BGCOLOR   #", "BGCOLOR"},
    {"Text3", "Label5", "Text Colour   #", "TEXT"},
    {"Text4", "Label6", "Link Colour   #", "LINK"},
    {"Text5", "Label7", "Visited Link   #", "VLINK"},
    {"Text6", "Label8", "Active Link   #", "ALINK"},
};

const QString advertisement = QStringLiteral(
    "<!--#This help file was created with Quillet -->\n"
    "<!--# A freeware HTML editor, using HTML Wizard -->\n");
const QString metaLine = QStringLiteral(
    "<META HTTP-EQUIV=\"your-equiv\" NAME=\"name\" CONTENT=content >\n");
// The two image lines end in a carriage return, which goes in as the page's line end as
// every line break does.
const QString headerImageLine = QStringLiteral("<IMG SRC=\"your image\">\r");
const QString imageMapLine = QStringLiteral(
    "<IMG SRC=\"your image map\" USEMAP=\"where map infos are\">\r");
const QString ruleLine = QStringLiteral("<HR WIdth=xx% SIZE=x>\n");
const QString closingMessage = QStringLiteral(
    "Ok. Now the basic form of your HTML docuemnt has been created.\r\r"
    "Now you must correct the settings and adjust them as your desire\r"
    "You can also use the templates for a basic form of your HTML documet\r\r"
    "Thank you for using Quillet HTML Wizard");

// before + text + after, or nothing for an empty text.
QString whenFilled(const QString &before, const QString &text, const QString &after)
{
    return text.isEmpty() ? QString() : before + text + after;
}
} // namespace

htmlwiz1::htmlwiz1(Form1 &form)
    : TagDialog(form, {"htmlwiz1", "New HTML Document Wizard", "Header and Misc. info",
                       {6225, 5505}},
                tag("BODY"))
{
    Combo1 = addCombo("Combo1", {"Label1", "Document type:"}, Vocabulary::documentTypes(), 0);
    Text1 = addText("Text1", {"Label2", "Header:"}, 1);
    Check1 = addCheck("Check1", "Include META", 2);
    Check2 = addCheck("Check2", "Include Quillet advertisement (not shown on the page)", 2, 1,
                      true);

    addFrame("Frame4", "Body related infos");
    Text7 = addText("Text7", {"Label3", "background image:"}, 0);
    for (int i = 0; i < int(m_colourFields.size()); ++i) {
        const ColourRow &row = colourRows[i];
        m_colourFields[i] = addText(row.field, {row.label, row.caption}, i + 1);
        Command3[i] = addColourButton(QStringLiteral("Command3(%1)").arg(i), "Choose Color",
                                      m_colourFields[i], i + 1, 2);
    }
    Check3 = addCheck("Check3", "Include Header image", 1, 3);
    Check4 = addCheck("Check4", "Include Imagemap on top", 2, 3);
    Check5 = addCheck("Check5", "HR after header", 3, 3);
    Text8 = addText("Text8", {"Label9", "Header on text:"}, 6);

    setTabOrder({Check1, Combo1, Text1, Check2, m_colourFields[0], m_colourFields[1],
                 m_colourFields[2], m_colourFields[3], m_colourFields[4], Text7, Check3, Check4,
                 Check5, Text8, cancelButton(), okButton(), Command3[4], Command3[0],
                 Command3[1], Command3[2], Command3[3]});
}

QString htmlwiz1::build()
{
    return flag(Check2->isChecked(), advertisement)
           + whenFilled({}, Combo1->currentText(), "\n")
           + flag(Check1->isChecked(), metaLine)
           + whenFilled("<HEAD>\n<TITLE>", Text1->text(), "</TITLE>\n</HEAD>\n")
           + bodyTag()
           + flag(Check3->isChecked(), headerImageLine)
           + flag(Check4->isChecked(), imageMapLine)
           + flag(Check5->isChecked(), ruleLine)
           + whenFilled("<H1 ALIGN=youralign>", Text8->text(), "</H1>");
}

QString htmlwiz1::bodyTag() const
{
    QString tag = "<BODY" + attribute("background", Text7->text());
    for (int i = 0; i < int(m_colourFields.size()); ++i)
        tag += attribute(colourRows[i].attribute, m_colourFields[i]->text());
    return tag + ">\n";
}

void htmlwiz1::ok()
{
    TagDialog::ok();
    form().dialogs().message(closingMessage);
}
