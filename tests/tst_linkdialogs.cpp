#include "support/dialogtables.h"
#include "support/program.h"

#include <QGroupBox>
#include <QLineEdit>

// The anchor, image and embed dialogs.
class TestLinkDialogs : public QObject
{
    Q_OBJECT

private slots:
    void opens_data();
    void opens();
    void output_data();
    void output();
    void reopen_data();
    void reopen();
    void tabOrder_data();
    void tabOrder();
    void everyImageOpenerShowsOneWindow();
};

void TestLinkDialogs::opens_data()
{
    DialogTables::opensColumns();

    QTest::newRow("anchor menu") << "mnuanchor" << "anchor1" << "Anchors / links" << "Frame3"
                                 << "Anchor / Link";
    QTest::newRow("anchor tab button") << "Command17(0)" << "anchor1" << "Anchors / links"
                                       << "Frame3" << "Anchor / Link";
    QTest::newRow("image menu") << "mnuimages" << "img1" << "Image..." << "Frame3" << "Images";
    QTest::newRow("image insert menu") << "mnuimg2" << "img1" << "Image..." << "Frame3"
                                       << "Images";
    QTest::newRow("image tab button") << "Command17(6)" << "img1" << "Image..." << "Frame3"
                                      << "Images";
    QTest::newRow("embed menu") << "mnuembed" << "img2" << "Embed..." << "Frame3" << "Embed";
    QTest::newRow("embed tab button") << "Command17(7)" << "img2" << "Embed..." << "Frame3"
                                      << "Embed";
}

void TestLinkDialogs::opens()
{
    DialogTables::checkOpens();
}

void TestLinkDialogs::output_data()
{
    DialogTables::outputColumns();

    QTest::newRow("anchor empty") << "mnuanchor" << "anchor1" << QStringList()
                                  << QByteArray("<A>Your link here</A>");
    QTest::newRow("anchor href and rel")
        << "mnuanchor" << "anchor1" << QStringList{"Text1=a.htm", "Text6=next"}
        << QByteArray("<A HREF=\"a.htm\" REL=next>Your link here</A>");
    QTest::newRow("anchor every field in order")
        << "mnuanchor" << "anchor1"
        << QStringList{"Text7=prev", "Text6=next", "Text5=_top", "Text4=GET", "Text3=Home",
                       "Text2=top", "Text1=index.htm"}
        << QByteArray("<A HREF=\"index.htm\" NAME=\"top\" TITLE=\"Home\" METHODS=GET "
                      "TARGET=\"_top\" REL=next REV=prev>Your link here</A>");
    QTest::newRow("anchor quote not escaped")
        << "mnuanchor" << "anchor1" << QStringList{"Text3=a \"b\""}
        << QByteArray("<A TITLE=\"a \"b\"\">Your link here</A>");
    QTest::newRow("image empty") << "mnuimages" << "img1" << QStringList()
                                 << QByteArray("<IMG>");
    QTest::newRow("image alt with blanks, align in lower case")
        << "mnuimages" << "img1" << QStringList{"Text3= a  cat ", "Combo1=left"}
        << QByteArray("<IMG ALT=\" a  cat \" ALIGN=left>");
    QTest::newRow("image every field in order")
        << "mnuimages" << "img1"
        << QStringList{"Text6=0", "Text5=60", "Text4=80", "Combo1=BLEEDLEFT", "Text3=Cat",
                       "Text2=cat.gif", "Text1=cat.jpg"}
        << QByteArray("<IMG SRC=\"cat.jpg\" LOWSRC=\"cat.gif\" ALT=\"Cat\" ALIGN=BLEEDLEFT "
                      "WIDTH=80 HEIGHT=60 BORDER=0>");
    QTest::newRow("embed empty") << "mnuembed" << "img2" << QStringList()
                                 << QByteArray("<EMBED>");
    QTest::newRow("embed every field in order")
        << "mnuembed" << "img2"
        << QStringList{"Text5=2", "Text4=1", "Text3=40", "Text2=200", "Text1=song.mid"}
        << QByteArray("<EMBED SRC=\"song.mid\" WIDTH=200 HEIGHT=40 BORDER=1 LOOP=2>");
    QTest::newRow("embed only loop") << "mnuembed" << "img2" << QStringList{"Text5=-1"}
                                     << QByteArray("<EMBED LOOP=-1>");
}

void TestLinkDialogs::output()
{
    DialogTables::checkOutput();
}

void TestLinkDialogs::reopen_data()
{
    DialogTables::reopenColumns();

    const QStringList anchor{"Text1=a.htm", "Text2=n", "Text3=t", "Text4=m",
                             "Text5=f",     "Text6=r", "Text7=v"};
    QTest::newRow("anchor keeps everything after OK")
        << "mnuanchor" << "anchor1" << anchor << "Command2" << anchor;
    QTest::newRow("image keeps only the alignment after OK")
        << "mnuimages" << "img1"
        << QStringList{"Text1=s", "Text2=l", "Text3=a", "Combo1=TOP", "Text4=1", "Text5=2",
                       "Text6=3"}
        << "Command2"
        << QStringList{"Text1=", "Text2=", "Text3=", "Combo1=TOP", "Text4=", "Text5=", "Text6="};
    QTest::newRow("image keeps everything after cancel")
        << "mnuimages" << "img1" << QStringList{"Text1=s", "Combo1=TOP", "Text6=3"}
        << "Command1" << QStringList{"Text1=s", "Combo1=TOP", "Text6=3"};
    QTest::newRow("embed empty after OK")
        << "mnuembed" << "img2"
        << QStringList{"Text1=s", "Text2=1", "Text3=2", "Text4=3", "Text5=4"} << "Command2"
        << QStringList{"Text1=", "Text2=", "Text3=", "Text4=", "Text5="};
    QTest::newRow("embed keeps everything after cancel")
        << "mnuembed" << "img2" << QStringList{"Text1=s", "Text5=4"} << "Command1"
        << QStringList{"Text1=s", "Text5=4"};
}

void TestLinkDialogs::reopen()
{
    DialogTables::checkReopen();
}

void TestLinkDialogs::tabOrder_data()
{
    DialogTables::tabOrderColumns();

    QTest::newRow("anchor: left column, then right")
        << "mnuanchor" << "anchor1" << "Text1"
        << QStringList{"Text2", "Text3", "Text4", "Text5", "Text6", "Text7", "Command1",
                       "Command2"};
    QTest::newRow("image: width and height before border")
        << "mnuimages" << "img1" << "Text1"
        << QStringList{"Text2", "Text3", "Combo1", "Text4", "Text5", "Text6", "Command1",
                       "Command2"};
    QTest::newRow("embed: width, height, border, loop")
        << "mnuembed" << "img2" << "Text1"
        << QStringList{"Text2", "Text3", "Text4", "Text5", "Command1", "Command2"};
}

void TestLinkDialogs::tabOrder()
{
    DialogTables::checkTabOrder();
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
