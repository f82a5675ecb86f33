#include "support/dialogrows.h"
#include "support/program.h"

#include <QCheckBox>
#include <QLineEdit>

// Headings, Paragraph settings, Font, Multicol, Spacer and MARQUEE, used the way a user
// uses them: fields typed, boxes clicked, "&Ok" pressed, the editor's bytes compared.
class TestTextDialogs : public QObject
{
    Q_OBJECT

private slots:
    void dialogs_data();
    void dialogs();
    void opens_data();
    void opens();
    void captions_data();
    void captions();
    void tabOrder_data();
    void tabOrder();
    void marqueeStartsCheckedWithAnEditableCount();
};

namespace {
const QByteArray columnsText = ">Columns' text goes here\n</MULTICOL>";
const QByteArray fontText = ">Your text with these setting goes here</FONT>";
const QByteArray scrolling = ">Scrolling text</MARQUEE>";
const QString noColumns = "You must insert the columns value for MultiCol to work";
} // namespace

void TestTextDialogs::dialogs_data()
{
    addDialogColumns();

    newDialogRow("heading at start", "Head1", {"menu:mnuhead(1)", "ok"}, {"<H1>Heading</H1>"});
    newDialogRow("heading level not taken from the command", "Head1",
                 {"menu:mnuhead(3)", "ok", "tab:Command13", "ok"},
                 {"<H1>Heading</H1>", "<H1>Heading</H1>"});
    newDialogRow("heading level and alignment stay, NoWrap is reset", "Head1",
                 {"tab:Command10", "Combo2#2", "Combo1#1", "click:Check1", "ok",
                  "menu:mnuhead(5)", "ok"},
                 {"<H3 ALIGN=CENTER NOWRAP>Heading</H3>", "<H3 ALIGN=CENTER>Heading</H3>"});
    newDialogRow("heading everything in order", "Head1",
                 {"menu:mnuhead(2)", "Combo2=2", "Combo1=LEFT", "click:Check1",
                  "Text1=star.gif", "Text2=m.gif", "ok"},
                 {"<H2 ALIGN=LEFT NOWRAP DINGBAT=\"star.gif\" MD=\"m.gif\">Heading</H2>"});
    newDialogRow("heading Src row writes DINGBAT", "Head1",
                 {"menu:mnuhead(1)", "Text1=d.gif", "ok"},
                 {"<H1 DINGBAT=\"d.gif\">Heading</H1>"});
    newDialogRow("heading Dingbat row writes MD", "Head1",
                 {"menu:mnuhead(1)", "Text2=m", "ok"}, {"<H1 MD=\"m\">Heading</H1>"});
    newDialogRow("heading Src and Dingbat reopen empty", "Head1",
                 {"menu:mnuhead(1)", "Text1=a", "Text2=b", "ok", "menu:mnuhead(1)", "ok"},
                 {"<H1 DINGBAT=\"a\" MD=\"b\">Heading</H1>", "<H1>Heading</H1>"});
    newDialogRow("heading level seven", "Head1", {"menu:mnuhead(1)", "Combo2=7", "ok"},
                 {"<H7>Heading</H7>"});
    newDialogRow("heading empty level", "Head1", {"menu:mnuhead(1)", "Combo2=", "ok"},
                 {"<H>Heading</H>"});

    newDialogRow("paragraph empty", "par1", {"menu:mnuparset", "ok"}, {"<P>"});
    newDialogRow("paragraph No Wrap alone", "par1", {"menu:mnuparset", "click:Check1", "ok"},
                 {"<P NOWRAP>"});
    newDialogRow("paragraph everything in order", "par1",
                 {"menu:mnuparset", "Combo1#4", "Combo2#2", "click:Check1", "ok"},
                 {"<P ALIGN=JUSTIFY CLEAR=ALL NOWRAP>"});
    newDialogRow("paragraph combos reset, box kept", "par1",
                 {"menu:mnuparset", "Combo1=CENTER", "Combo2=LEFT", "click:Check1", "ok",
                  "menu:mnuparset", "ok"},
                 {"<P ALIGN=CENTER CLEAR=LEFT NOWRAP>", "<P NOWRAP>"});
    newDialogRow("paragraph same item picked again after a reset", "par1",
                 {"menu:mnuparset", "Combo1#1", "ok", "menu:mnuparset", "Combo1#1", "ok"},
                 {"<P ALIGN=CENTER>", "<P ALIGN=CENTER>"});

    newDialogRow("font empty", "fontc1", {"menu:mnufontc", "ok"}, {"<FONT" + fontText});
    newDialogRow("font colour and size", "fontc1",
                 {"menu:mnufontc", "Text1=FF0000", "Text2=4", "ok"},
                 {"<FONT COLOR=#FF0000 SIZE=4" + fontText});
    newDialogRow("font everything, then reopens empty", "fontc1",
                 {"menu:mnufontc", "Text1=000080", "Text2=+1", "Combo1#1", "ok",
                  "menu:mnufontc", "ok"},
                 {"<FONT COLOR=#000080 SIZE=+1 FACE=\"Arial\"" + fontText, "<FONT" + fontText});
    newDialogRow("font colour chosen", "fontc1",
                 {"menu:mnufontc", "Text1=abc", "colour:00FF80", "click:Command3", "ok"},
                 {"<FONT COLOR=#00FF80" + fontText});
    newDialogRow("font colour cancelled", "fontc1",
                 {"menu:mnufontc", "Text1=abc", "colour:cancel", "click:Command3", "ok"},
                 {"<FONT COLOR=#abc" + fontText});

    newDialogRow("multicol at start", "multicol1", {"menu:mnumc", "ok"},
                 {"<MULTICOL COLS=2" + columnsText});
    newDialogRow("multicol everything, then reopens with two columns", "multicol1",
                 {"menu:mnumc", "Text1=3", "Text2=10", "Text3=400", "ok", "menu:mnumc", "ok"},
                 {"<MULTICOL COLS=3 GUTTER=10 WIDTH=400" + columnsText,
                  "<MULTICOL COLS=2" + columnsText});
    newDialogRow("multicol without columns refuses", "multicol1",
                 {"menu:mnumc", "Text1=", "Text2=5", "ok"}, {""}, true, {noColumns});
    newDialogRow("multicol refusal keeps the fields", "multicol1",
                 {"menu:mnumc", "Text1=", "Text2=5", "ok", "Text1=4", "ok"},
                 {"", "<MULTICOL COLS=4 GUTTER=5" + columnsText}, false, {noColumns});

    newDialogRow("spacer at start", "spacer1", {"menu:mnuspacer", "ok"},
                 {"<SPACER TYPE=\"horizontal\">"});
    newDialogRow("spacer empty type still written", "spacer1",
                 {"menu:mnuspacer", "Combo1=", "ok"}, {"<SPACER TYPE=\"\">"});
    newDialogRow("spacer everything, kept for the next", "spacer1",
                 {"menu:mnuspacer", "Combo1#2", "Text1=10", "Text2=20", "Text3=30", "Combo2#5",
                  "ok", "menu:mnuspacer", "ok"},
                 {"<SPACER TYPE=\"block\" SIZE=10 WIDTH=20 HEIGHT=30 ALIGN=\"ABSMIDDLE\">",
                  "<SPACER TYPE=\"block\" SIZE=10 WIDTH=20 HEIGHT=30 ALIGN=\"ABSMIDDLE\">"});

    newDialogRow("marquee at start", "mar1", {"menu:mnumarguee", "ok"},
                 {"<MARQUEE LOOP=INFINITE" + scrolling});
    newDialogRow("marquee start count is 1", "mar1", {"menu:mnumarguee", "click:Check1", "ok"},
                 {"<MARQUEE LOOP=1" + scrolling});
    newDialogRow("marquee count typed while checked", "mar1",
                 {"menu:mnumarguee", "Text6=9", "ok"}, {"<MARQUEE LOOP=INFINITE" + scrolling});
    newDialogRow("marquee unchecked with a count", "mar1",
                 {"menu:mnumarguee", "click:Check1", "Text6=5", "ok"},
                 {"<MARQUEE LOOP=5" + scrolling});
    newDialogRow("marquee height and delay", "mar1",
                 {"menu:mnumarguee", "Text2=50", "Text8=200", "ok"},
                 {"<MARQUEE HEIGHT=50 LOOP=INFINITE SCROLLDELAY=200" + scrolling});
    newDialogRow("marquee everything in order", "mar1",
                 {"menu:mnumarguee", "Combo1#1", "Combo2#1", "Combo3#2", "Text1=FFFF00",
                  "Text2=50", "Text3=300", "Text4=5", "Text5=6", "click:Check1", "Text6=3",
                  "Text7=10", "Text8=100", "ok"},
                 {"<MARQUEE ALIGN=CENTER DIRECTION=RIGHT BEHAVIOR=ALTERNATE BGCOLOR=#FFFF00"
                  " HEIGHT=50 WIDTH=300 HSPACE=5 VSPACE=6 LOOP=3 SCROLLAMOUNT=10"
                  " SCROLLDELAY=100" + scrolling});
    newDialogRow("marquee empty count leaves the box checked", "mar1",
                 {"menu:mnumarguee", "click:Check1", "Text6=", "ok", "menu:mnumarguee",
                  "click:Check1", "Text6=7", "ok"},
                 {"<MARQUEE LOOP=INFINITE" + scrolling, "<MARQUEE LOOP=7" + scrolling});
    newDialogRow("marquee empty count locks the field", "mar1",
                 {"menu:mnumarguee", "click:Check1", "Text6=", "ok", "menu:mnumarguee",
                  "Text6=7", "click:Check1", "ok"},
                 {"<MARQUEE LOOP=INFINITE" + scrolling, "<MARQUEE LOOP=INFINITE" + scrolling});
    newDialogRow("marquee reset checks the box and locks the field", "mar1",
                 {"menu:mnumarguee", "Combo1#0", "Combo2#0", "Combo3#1", "Text1=000000",
                  "Text3=9", "Text4=1", "Text5=2", "click:Check1", "Text6=5", "Text7=3",
                  "Text8=4", "ok", "menu:mnumarguee", "Text6=6", "ok"},
                 {"<MARQUEE ALIGN=LEFT DIRECTION=LEFT BEHAVIOR=SLIDE BGCOLOR=#000000 WIDTH=9"
                  " HSPACE=1 VSPACE=2 LOOP=5 SCROLLAMOUNT=3 SCROLLDELAY=4" + scrolling,
                  "<MARQUEE ALIGN=LEFT DIRECTION=LEFT BEHAVIOR=SLIDE LOOP=INFINITE"
                      + scrolling});
    newDialogRow("marquee reset of a checked box leaves the field open", "mar1",
                 {"menu:mnumarguee", "Text2=1", "ok", "menu:mnumarguee", "Text6=4",
                  "click:Check1", "ok"},
                 {"<MARQUEE HEIGHT=1 LOOP=INFINITE" + scrolling, "<MARQUEE LOOP=4" + scrolling});
    newDialogRow("marquee checking erases the count", "mar1",
                 {"menu:mnumarguee", "click:Check1", "click:Check1", "click:Check1", "ok"},
                 {"<MARQUEE LOOP=INFINITE" + scrolling});
    newDialogRow("marquee colour chosen", "mar1",
                 {"menu:mnumarguee", "colour:102030", "click:Command3", "ok"},
                 {"<MARQUEE BGCOLOR=#102030 LOOP=INFINITE" + scrolling});
    newDialogRow("marquee colour cancelled", "mar1",
                 {"menu:mnumarguee", "Text1=C0C0C0", "colour:cancel", "click:Command3", "ok"},
                 {"<MARQUEE BGCOLOR=#C0C0C0 LOOP=INFINITE" + scrolling});
}

void TestTextDialogs::dialogs()
{
    checkDialogRow();
}

void TestTextDialogs::opens_data()
{
    addOpenColumns();

    QStringList headings;
    for (int level = 1; level <= 6; ++level) {
        headings << QStringLiteral("menu:mnuhead(%1)").arg(level)
                 << QStringLiteral("tab:Command%1").arg(level + 7);
    }
    QTest::newRow("Head 1... to Head 6... and H1 to H6 buttons")
        << "Head1" << headings << "Headings...";
    QTest::newRow("New Paragraph...")
        << "par1" << QStringList{"menu:mnuparset"} << "Paragraph settings";
    QTest::newRow("Font...") << "fontc1" << QStringList{"menu:mnufontc"} << "Font...";
    QTest::newRow("MultiCol...") << "multicol1" << QStringList{"menu:mnumc"} << "Multicol";
    QTest::newRow("Spacer...") << "spacer1" << QStringList{"menu:mnuspacer"} << "Spacer";
    QTest::newRow("Marguee...") << "mar1" << QStringList{"menu:mnumarguee"} << "MARQUEE";
}

void TestTextDialogs::opens()
{
    checkOpenRow();
}

void TestTextDialogs::captions_data()
{
    addCaptionColumns();

    QTest::newRow("heading level") << "menu:mnuhead(1)" << "Head1" << "Label5" << "Heading:"
                                   << "Combo2";
    QTest::newRow("heading src") << "menu:mnuhead(1)" << "Head1" << "Label3" << "Src:"
                                 << "Text1";
    QTest::newRow("heading dingbat") << "menu:mnuhead(1)" << "Head1" << "Label4" << "Dingbat:"
                                     << "Text2";
    QTest::newRow("font colour, seven blanks")
        << "menu:mnufontc" << "fontc1" << "Label1" << "Color:       #" << "Text1";
    QTest::newRow("multicol width") << "menu:mnumc" << "multicol1" << "Label3" << "Width"
                                    << "Text3";
    QTest::newRow("marquee colour, four blanks")
        << "menu:mnumarguee" << "mar1" << "Label4" << "BGCOLOR    #" << "Text1";
    QTest::newRow("marquee loop") << "menu:mnumarguee" << "mar1" << "Label9" << "Loop:"
                                  << "Text6";
}

void TestTextDialogs::captions()
{
    checkCaptionRow();
}

void TestTextDialogs::tabOrder_data()
{
    addTabOrderColumns();

    QTest::newRow("heading") << "menu:mnuhead(1)" << "Head1"
                             << QStringList{"Text1",    "Text2",  "Check1", "Command1",
                                            "Command2", "Combo1", "Combo2", "Text1"};
    QTest::newRow("paragraph") << "menu:mnuparset" << "par1"
                               << QStringList{"Command2", "Command1", "Combo1", "Combo2",
                                              "Check1",   "Command2"};
    QTest::newRow("font") << "menu:mnufontc" << "fontc1"
                          << QStringList{"Text1",    "Text2",    "Combo1", "Command1",
                                         "Command2", "Command3", "Text1"};
    QTest::newRow("multicol") << "menu:mnumc" << "multicol1"
                              << QStringList{"Text1",    "Text2",    "Text3",
                                             "Command1", "Command2", "Text1"};
    QTest::newRow("spacer") << "menu:mnuspacer" << "spacer1"
                            << QStringList{"Combo1", "Text1",    "Text2",    "Text3",
                                           "Combo2", "Command1", "Command2", "Combo1"};
    QTest::newRow("marquee") << "menu:mnumarguee" << "mar1"
                             << QStringList{"Text1",    "Text2",    "Text3",  "Text4",
                                            "Text5",    "Text6",    "Text7",  "Text8",
                                            "Command1", "Command2", "Check1", "Combo1",
                                            "Combo2",   "Combo3",   "Command3", "Text1"};
}

void TestTextDialogs::tabOrder()
{
    checkTabOrderRow();
}

void TestTextDialogs::marqueeStartsCheckedWithAnEditableCount()
{
    Program program;
    program.trigger("mnumarguee");
    QVERIFY(program.find<QCheckBox>("Check1", "mar1")->isChecked());
    auto count = program.find<QLineEdit>("Text6", "mar1");
    QCOMPARE(count->text(), QString("1"));
    QVERIFY(!count->isReadOnly());
}

QTEST_MAIN(TestTextDialogs)
#include "tst_textdialogs.moc"
