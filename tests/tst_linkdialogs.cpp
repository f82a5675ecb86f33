#include "support/dialogrows.h"
#include "support/program.h"

#include <QLineEdit>

// The anchor, image and embed dialogs.
class TestLinkDialogs : public QObject
{
    Q_OBJECT

private slots:
    void opens_data();
    void opens();
    void captions_data();
    void captions();
    void dialogs_data();
    void dialogs();
    void tabOrder_data();
    void tabOrder();
    void everyImageOpenerShowsOneWindow();
};

void TestLinkDialogs::opens_data()
{
    addOpenColumns();

    QTest::newRow("anchor menu and tab button")
        << "anchor1" << QStringList{"menu:mnuanchor", "tab:Command17(0)"} << "Anchors / links";
    QTest::newRow("image menus and tab button")
        << "img1" << QStringList{"menu:mnuimages", "menu:mnuimg2", "tab:Command17(6)"}
        << "Image...";
    QTest::newRow("embed menu and tab button")
        << "img2" << QStringList{"menu:mnuembed", "tab:Command17(7)"} << "Embed...";
}

void TestLinkDialogs::opens()
{
    checkOpenRow();
}

void TestLinkDialogs::captions_data()
{
    addCaptionColumns();

    QTest::newRow("anchor frame")
        << "menu:mnuanchor" << "anchor1" << "Frame3" << "Anchor / Link" << "";
    QTest::newRow("image frame") << "menu:mnuimages" << "img1" << "Frame3" << "Images" << "";
    QTest::newRow("embed frame") << "menu:mnuembed" << "img2" << "Frame3" << "Embed" << "";
}

void TestLinkDialogs::captions()
{
    checkCaptionRow();
}

void TestLinkDialogs::dialogs_data()
{
    addDialogColumns();

    newDialogRow("anchor empty", "anchor1", {"menu:mnuanchor", "ok"},
                 {"<A>Your link here</A>"});
    newDialogRow("anchor href and rel", "anchor1",
                 {"menu:mnuanchor", "Text1=a.htm", "Text6=next", "ok"},
                 {"<A HREF=\"a.htm\" REL=next>Your link here</A>"});
    newDialogRow("anchor every field in order, all kept after OK", "anchor1",
                 {"menu:mnuanchor", "Text7=prev", "Text6=next", "Text5=_top", "Text4=GET",
                  "Text3=Home", "Text2=top", "Text1=index.htm", "ok", "?hidden",
                  "menu:mnuanchor", "?Text1=index.htm", "?Text2=top", "?Text3=Home",
                  "?Text4=GET", "?Text5=_top", "?Text6=next", "?Text7=prev"},
                 {"<A HREF=\"index.htm\" NAME=\"top\" TITLE=\"Home\" METHODS=GET "
                  "TARGET=\"_top\" REL=next REV=prev>Your link here</A>"},
                 true);
    newDialogRow("anchor title with quotes", "anchor1",
                 {"menu:mnuanchor", "Text3=He said \"hi\"", "ok"},
                 {"<A TITLE=\"He said &quot;hi&quot;\">Your link here</A>"});

    newDialogRow("image empty", "img1", {"menu:mnuimages", "ok"}, {"<IMG>"});
    newDialogRow("image alt with blanks, align in lower case", "img1",
                 {"menu:mnuimages", "Text3= a  cat ", "Combo1=left", "ok"},
                 {"<IMG ALT=\" a  cat \" ALIGN=left>"});
    newDialogRow("image every field in order, only the alignment kept after OK", "img1",
                 {"menu:mnuimages", "Text6=0", "Text5=60", "Text4=80", "Combo1=BLEEDLEFT",
                  "Text3=Cat", "Text2=cat.gif", "Text1=cat.jpg", "ok", "?hidden",
                  "menu:mnuimages", "?Text1=", "?Text2=", "?Text3=", "?Combo1=BLEEDLEFT",
                  "?Text4=", "?Text5=", "?Text6="},
                 {"<IMG SRC=\"cat.jpg\" LOWSRC=\"cat.gif\" ALT=\"Cat\" ALIGN=BLEEDLEFT "
                  "WIDTH=80 HEIGHT=60 BORDER=0>"},
                 true);
    newDialogRow("image keeps everything after cancel", "img1",
                 {"menu:mnuimages", "Text1=s", "Combo1=TOP", "Text6=3", "cancel", "?hidden",
                  "menu:mnuimages", "?Text1=s", "?Combo1=TOP", "?Text6=3"},
                 {}, true);

    newDialogRow("embed empty", "img2", {"menu:mnuembed", "ok"}, {"<EMBED>"});
    newDialogRow("embed every field in order, then reopens empty", "img2",
                 {"menu:mnuembed", "Text5=2", "Text4=1", "Text3=40", "Text2=200",
                  "Text1=song.mid", "ok", "?hidden", "menu:mnuembed", "?Text1=", "?Text2=",
                  "?Text3=", "?Text4=", "?Text5="},
                 {"<EMBED SRC=\"song.mid\" WIDTH=200 HEIGHT=40 BORDER=1 LOOP=2>"}, true);
    newDialogRow("embed only loop", "img2", {"menu:mnuembed", "Text5=-1", "ok"},
                 {"<EMBED LOOP=-1>"});
    newDialogRow("embed keeps everything after cancel", "img2",
                 {"menu:mnuembed", "Text1=s", "Text5=4", "cancel", "?hidden", "menu:mnuembed",
                  "?Text1=s", "?Text5=4"},
                 {}, true);
}

void TestLinkDialogs::dialogs()
{
    checkDialogRow();
}

void TestLinkDialogs::tabOrder_data()
{
    addTabOrderColumns();

    QTest::newRow("anchor: left column, then right")
        << "menu:mnuanchor" << "anchor1"
        << QStringList{"Text1", "Text2", "Text3", "Text4", "Text5", "Text6", "Text7",
                       "Command1", "Command2"};
    QTest::newRow("image: width and height before border")
        << "menu:mnuimages" << "img1"
        << QStringList{"Text1", "Text2", "Text3", "Combo1", "Text4", "Text5", "Text6",
                       "Command1", "Command2"};
    QTest::newRow("embed: width, height, border, loop")
        << "menu:mnuembed" << "img2"
        << QStringList{"Text1", "Text2", "Text3", "Text4", "Text5", "Command1", "Command2"};
}

void TestLinkDialogs::tabOrder()
{
    checkTabOrderRow();
}

void TestLinkDialogs::everyImageOpenerShowsOneWindow()
{
    Program program;
    program.trigger("mnuimages");
    program.find<QLineEdit>("Text1", "img1")->setText("a.gif");
    program.click("Command1", "img1");
    program.trigger("mnuimg2");
    program.click("Command17(6)");
    QCOMPARE(program.form.findChildren<QWidget *>("img1").size(), 1);
    QVERIFY(program.window("img1")->isVisible());
    QCOMPARE(program.find<QLineEdit>("Text1", "img1")->text(), QString("a.gif"));
    program.click("Command2", "img1");
    QCOMPARE(program.bytes(), QByteArray("<IMG SRC=\"a.gif\">"));
}

QTEST_MAIN(TestLinkDialogs)
#include "tst_linkdialogs.moc"
