#include "commandtable.h"
#include "colourpicker.h"

#include "app/commands/check1.h"
#include "app/commands/spelling1.h"
#include "app/form1.h"
#include "dialogs/wizard/openwizard.h"

Handler inserts(const QString &text)
{
    return [text](Form1 &form) { form.insertAtCaret(text); };
}

Handler shows(const QString &window)
{
    return [window](Form1 &form) { form.showWindow(window); };
}

Handler forwardsTo(const QString &menuItem)
{
    return [menuItem](Form1 &form) { form.trigger(menuItem); };
}

namespace {
MenuItem snippet(const QString &name, const QString &caption, const QString &text)
{
    return command(name, caption, inserts(text));
}

MenuItem dialog(const QString &name, const QString &caption, const QString &window)
{
    return command(name, caption, shows(window));
}

std::vector<MenuItem> headingItems()
{
    std::vector<MenuItem> items;
    for (int level = 1; level <= 6; ++level)
        items.push_back(dialog(QStringLiteral("mnuhead(%1)").arg(level),
                               QStringLiteral("Head %1...").arg(level), "Head1"));
    return items;
}
} // namespace

MenuItem insertMenu()
{
    return submenu("mnucommands", "&Insert...", {
        submenu("mnunotif", "&Structure", {
            dialog("mnudtype", "Document type...", "doc"),
            snippet("mnuhtml", "HTML <HTML>", "<HTML>"),
            snippet("mnutitle", "Title <TITLE>", "<TITLE>Title here</TITLE>"),
            dialog("mnubody", "Body...", "body1"),
            dialog("mnuframeset", "Frameset...", "frame1"),
            dialog("mnuframe", "Frame...", "frame2"),
            dialog("mnuiframe", "Iframe...", "frame3"),
            snippet("mnunoframe", "No frames <NOFRAMES>", "<NOFRAMES>"),
            snippet("mnuhref", "HREF <HREF=\"href\">", "<HREF=\"\">"),
            dialog("mnuisindex", "IsIndex...", "is1"),
            dialog("mnudiv", "Division...", "div1"),
            dialog("mnuid", "Next Id...", "nextid1"),
            dialog("mnumeta", "META...", "meta1"),
            snippet("mnuend", "End </BODY>", "</BODY>"),
        }),
        submenu("mnutype", "&Typestyles", {
            dialog("mnufontc", "Font...", "fontc1"),
            snippet("mnunobr", "No breaking <NOBR>", "<NOBR>"),
            snippet("mnuaddress", "Address <ADDRESS>", "<ADDRESS>Address here</ADDRESS>"),
            snippet("mnublock", "Blockquote <BLOCKQUOTE>", "<BLOCKQUOTE>Quote here</BLOCKQUOTE>"),
            snippet("mnucenter", "Centered <CENTER>", "<CENTER>Centered text</CENTER>"),
            snippet("mnucom", "Comment <COMMENT>", "<COMMENT>Comment</COMMENT>"),
            snippet("mnubold", "Bold <B>", "<B>Bold</B>"),
            snippet("mnuitalic", "Italic <I>", "<I>Italic</I>"),
            snippet("mnuunderline", "Underline <U>", "<U>Underline</U>"),
            snippet("mnusuper", "Superscript <SUP>", "<SUP>Superscript</SUP>"),
            snippet("mnusubscr", "Subscript <SUB>", "<SUB>Subscript</SUB>"),
            snippet("mnubig", "Big <BIG>", "<BIG>BIG</BIG>"),
            snippet("mnublink", "Blink <BLINK>", "<BLINK>Blink</BLINK>"),
            snippet("mnustrike", "StrikeThrough <STRIKE>", "<STRIKE>Strike</STRIKE>"),
            snippet("mnutt", "Typewriter <TT>", "<TT>Typewriter text</TT>"),
            snippet("mnuxmp", "Xmp <XMP>", "<XMP>Text here</XMP>"),
            snippet("mnulist", "Listing <LISTING>", "<LISTING>Text</LISTING>"),
        }),
        submenu("mnuspe", "Special styles", {
            dialog("mnumc", "MultiCol...", "multicol1"),
            dialog("mnuspacer", "Spacer...", "spacer1"),
            snippet("mnuplain", "Plaintext <PLAINTEXT>", "<PLAINTEXT>text</PLAINTEXT>"),
            snippet("mnuabbrev", "Abbreviation <ABBREV>", "<ABBREV></ABBREV>"),
            snippet("Acronym", "Acronym <ACRONYM>", "<ACRONYM>Acronym</ACRONYM>"),
            snippet("mnucode", "Code <CODE>", "<CODE></CODE>"),
            snippet("mnuperson", "Person <PERSON>", "<PERSON></PERSON>"),
            snippet("mnusample", "Sample <SAMPLE>", "<SAMPLE>Sample</SAMPLE>"),
            dialog("mnumarguee", "Marguee...", "mar1"),
        }),
        submenu("mnuheading", "H&eadings", headingItems()),
        submenu("mnupar", "&Paragraph settings", {
            snippet("mnuparagr", "new paragraph <P>", "<P>"),
            dialog("mnuparset", "New Paragraph...", "par1"),
        }),
        submenu("mnuimg", "&Images", {
            dialog("mnuimages", "Images...", "img1"),
            dialog("mnuembed", "Embed...", "img2"),
            dialog("mnubgsound", "Background Sound...", "bgs1"),
        }),
        submenu("mnumathem", "Math &tags", {
            snippet("mnumath", "Math <MATH>", "<MATH>Math actions</MATH>"),
            snippet("mnuarray", "Array <ARRAY>", "<ARRAY>Array</ARRAY>"),
            snippet("mnuabove", "Above <ABOVE>", "<ABOVE></ABOVE>"),
            snippet("mnubelow", "Below <BELOW>", "<BELOW></BELOW>"),
            snippet("mnuover", "Over <OVER>", "<OVER></OVER>"),
            snippet("mnuroot", "Root <ROOT>", "<ROOT></ROOT>"),
            snippet("mnusqroot", "Square root <SQRT>", "<SQRT>4</SQRT>"),
        }),
        submenu("mnuf", "&Forms", {
            dialog("mnuform", "Form...", "formss1"),
            dialog("mnuselect", "Select...", "formss5"),
            dialog("mnuinput", "Input...", "formss2"),
            dialog("mnutextarea", "Text Area...", "formss3"),
            dialog("mnuoption", "Option...", "formss4"),
        }),
        submenu("mnut", "&Tables", {
            dialog("mnutable", "Table...", "tbl1"),
            snippet("mnutr", "New row", "<TR>"),
            dialog("mnucol", "New col...", "tbl2"),
            dialog("mnuheadtable", "New Heading...", "tbl3"),
        }),
        submenu("mnuli", "&Lists", {
            dialog("mnul", "UL list...", "list1"),
            snippet("mnudl", "Definition list <DL>",
                    "<DL compact><!-- You can delete compact if you like, for a different "
                    "definition style -->\n"
                    "<DT>1st term<DD>Definition for 1st term\n"
                    "<DT>2nd term<DD>Definition for second term\n"
                    "</DL>"),
            dialog("mnuol", "OL list...", "list2"),
            snippet("mnudir", "Dir type list <DIR>",
                    "<DIR>\n<LI>1st item\n<LI>Second item, etc.\n</DIR>"),
            snippet("mnumenu", "Menu <MENU>",
                    "<MENU>\n<LI>For each new data, first put\n"
                    "<LI>and a second will be created\n</MENU>"),
        }),
        submenu("mnussi", "SSI+ tags", {
            dialog("mnuecho", "Echo...", "ssi1"),
            dialog("mnuexec", "Exec...", "ssi2"),
            dialog("mnuinc", "Include...", "ssi3"),
            dialog("mnuemail", "Email...", "ssi4"),
            snippet("mnuif", "If",
                    "<!--#if \"<opernand1>\" operator \"<operand2>\" operation -->"),
            snippet("mnugoto", "Goto", "<!--#goto <label> -->"),
            snippet("mnulabel", "Label", "<!--#label <label> -->"),
            dialog("mnufsize", "Fsize...", "ssi5"),
            dialog("mnuflastmod", "Flastmod...", "ssi6"),
            snippet("mnubreak", "break", "<!--#break -->"),
        }),
        separator("mnunull6"),
        dialog("mnuanchor", "&Anchors / Links...", "anchor1"),
        dialog("mnuimg2", "Images...", "img1"),
        dialog("mnutable2", "Table...", "tbl1"),
        dialog("mnuform2", "Form...", "formss1"),
    });
}

MenuItem toolsMenu()
{
    return submenu("mnuwiz", "&Tools...", {
        command("mnuhtmlwiz2", "New HTML Wizard...", openWizard, Qt::CTRL | Qt::Key_H),
        separator("mnunull333"),
        command("mnucolorpicker", "&Color Picker...", pickColour, Qt::CTRL | Qt::Key_P),
        command("mnusp", "&Special Characters...", shows("special1"), Qt::CTRL | Qt::Key_K),
        command("mnueasy", "&Easy Anchors...", shows("easy1"), Qt::CTRL | Qt::Key_A),
        separator("mnunull334"),
        command("mnucheck", "Check &HTML...", checkPage, Qt::Key_F7),
        command("mnuspelling", "&Spelling...", checkSpelling, Qt::Key_F8),
    });
}
