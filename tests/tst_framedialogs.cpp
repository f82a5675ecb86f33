#include "support/dialogrows.h"
#include "support/program.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>

// The frameset, frame and iframe dialogs.
class TestFrameDialogs : public QObject
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
    void framesetColour_data();
    void framesetColour();
    void scrollingOptionsSitInTheirOwnFrame();
};

void TestFrameDialogs::opens_data()
{
    addOpenColumns();

    QTest::newRow("frameset menu and tab button")
        << "frame1" << QStringList{"menu:mnuframeset", "tab:Command14(4)"} << "Frameset";
    QTest::newRow("frame menu and tab button")
        << "frame2" << QStringList{"menu:mnuframe", "tab:Command14(5)"} << "Frame";
    QTest::newRow("iframe menu and tab button")
        << "frame3" << QStringList{"menu:mnuiframe", "tab:Command19"} << "Iframe";
}

void TestFrameDialogs::opens()
{
    checkOpenRow();
}

void TestFrameDialogs::captions_data()
{
    addCaptionColumns();

    QTest::newRow("frameset frame")
        << "menu:mnuframeset" << "frame1" << "Frame2" << "Frameset..." << "";
    QTest::newRow("frame frame") << "menu:mnuframe" << "frame2" << "Frame3" << "Frame" << "";
    QTest::newRow("iframe frame") << "menu:mnuiframe" << "frame3" << "Frame4" << "Iframe" << "";
}

void TestFrameDialogs::captions()
{
    checkCaptionRow();
}

void TestFrameDialogs::dialogs_data()
{
    addDialogColumns();
    const QByteArray iframeText = ">Floating frame goes in here</IFRAME>";

    newDialogRow("frameset empty", "frame1", {"menu:mnuframeset", "ok"},
                 {"<FRAMESET>Frames\n</FRAMESET>"});
    newDialogRow("frameset rows quoted", "frame1", {"menu:mnuframeset", "Text1=50%,*", "ok"},
                 {"<FRAMESET ROWS=\"50%,*\">Frames\n</FRAMESET>"});
    newDialogRow("frameset every field in order, rows and cols kept after OK", "frame1",
                 {"menu:mnuframeset", "Text4=00FF00", "Text3=2", "Text2=*,*", "Text1=20%,80%",
                  "ok", "?hidden", "menu:mnuframeset", "?Text1=20%,80%", "?Text2=*,*",
                  "?Text3=", "?Text4="},
                 {"<FRAMESET ROWS=\"20%,80%\" COLS=\"*,*\" BORDER=2 BORDERCOLOR=#00FF00>"
                  "Frames\n</FRAMESET>"},
                 true);
    newDialogRow("frameset keeps everything after cancel", "frame1",
                 {"menu:mnuframeset", "Text1=50%,*", "Text2=*", "Text3=1", "Text4=FF0000",
                  "cancel", "?hidden", "menu:mnuframeset", "?Text1=50%,*", "?Text2=*",
                  "?Text3=1", "?Text4=FF0000"},
                 {}, true);

    newDialogRow("frame at start", "frame2", {"menu:mnuframe", "ok"},
                 {"<FRAME SCROLLING=YES>"});
    newDialogRow("frame scrolling NO and no resize", "frame2",
                 {"menu:mnuframe", "click:Option2", "click:Check1", "ok"},
                 {"<FRAME SCROLLING=NO NORESIZE>"});
    newDialogRow("frame scrolling back to YES", "frame2",
                 {"menu:mnuframe", "click:Option2", "click:Option1", "ok"},
                 {"<FRAME SCROLLING=YES>"});
    newDialogRow("frame no resize unchecked again", "frame2",
                 {"menu:mnuframe", "click:Check1", "click:Check1", "ok"},
                 {"<FRAME SCROLLING=YES>"});
    newDialogRow("frame margin height before width", "frame2",
                 {"menu:mnuframe", "Text3=5", "Text4=7", "ok"},
                 {"<FRAME MARGINHEIGHT=7 MARGINWIDTH=5 SCROLLING=YES>"});
    newDialogRow("frame every field in order, all kept after OK", "frame2",
                 {"menu:mnuframe", "click:Check1", "click:Option2", "Text6=3", "Text5=0",
                  "Text4=7", "Text3=5", "Text2=main", "Text1=a.htm", "ok", "?hidden",
                  "menu:mnuframe", "?Text1=a.htm", "?Text2=main", "?Text3=5", "?Text4=7",
                  "?Text5=0", "?Text6=3", "?Option2=1", "?Check1=1"},
                 {"<FRAME SRC=\"a.htm\" NAME=\"main\" MARGINHEIGHT=7 MARGINWIDTH=5 "
                  "FRAMEBORDER=0 FRAMESPACING=3 SCROLLING=NO NORESIZE>"},
                 true);
    newDialogRow("frame keeps everything after cancel", "frame2",
                 {"menu:mnuframe", "Text1=a", "Text2=b", "Text3=1", "Text4=2", "Text5=3",
                  "Text6=4", "click:Option2", "click:Check1", "cancel", "?hidden",
                  "menu:mnuframe", "?Text1=a", "?Text2=b", "?Text3=1", "?Text4=2", "?Text5=3",
                  "?Text6=4", "?Option2=1", "?Check1=1"},
                 {}, true);

    newDialogRow("iframe empty", "frame3", {"menu:mnuiframe", "ok"}, {"<IFRAME" + iframeText});
    newDialogRow("iframe name and src", "frame3",
                 {"menu:mnuiframe", "Text1=main", "Text2=a.htm", "ok"},
                 {"<IFRAME NAME=\"main\" SRC=\"a.htm\"" + iframeText});
    newDialogRow("iframe every field in order, then reopens empty", "frame3",
                 {"menu:mnuiframe", "Text4=100", "Text3=300", "Text2=b.htm", "Text1=side", "ok",
                  "?hidden", "menu:mnuiframe", "?Text1=", "?Text2=", "?Text3=", "?Text4="},
                 {"<IFRAME NAME=\"side\" SRC=\"b.htm\" WIDTH=300 HEIGHT=100" + iframeText},
                 true);
    newDialogRow("iframe keeps everything after cancel", "frame3",
                 {"menu:mnuiframe", "Text1=n", "Text4=2", "cancel", "?hidden", "menu:mnuiframe",
                  "?Text1=n", "?Text4=2"},
                 {}, true);
}

void TestFrameDialogs::dialogs()
{
    checkDialogRow();
}

void TestFrameDialogs::tabOrder_data()
{
    addTabOrderColumns();

    QTest::newRow("frameset: buttons after rows and cols")
        << "menu:mnuframeset" << "frame1"
        << QStringList{"Text1", "Text2",    "Command2", "Command3",
                       "Text3", "Text4",    "Command1", "Text1"};
    QTest::newRow("frame: OK first")
        << "menu:mnuframe" << "frame2"
        << QStringList{"Command2", "Command3", "Option1", "Option2", "Text1",  "Text2",
                       "Text3",    "Text4",    "Text5",   "Check1",  "Text6", "Command2"};
    QTest::newRow("iframe")
        << "menu:mnuiframe" << "frame3"
        << QStringList{"Text1", "Text2", "Text3", "Text4", "Command1", "Command2"};
}

void TestFrameDialogs::tabOrder()
{
    checkTabOrderRow();
}

void TestFrameDialogs::framesetColour_data()
{
    QTest::addColumn<std::optional<QColor>>("answer");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("chosen") << std::optional<QColor>(QColor(0x12, 0xAB, 0xEF)) << "12ABEF"
                            << QByteArray("<FRAMESET BORDERCOLOR=#12ABEF>Frames\n</FRAMESET>");
    QTest::newRow("cancelled") << std::optional<QColor>() << "C0C0C0"
                               << QByteArray("<FRAMESET BORDERCOLOR=#C0C0C0>Frames\n"
                                             "</FRAMESET>");
}

void TestFrameDialogs::framesetColour()
{
    QFETCH(std::optional<QColor>, answer);
    QFETCH(QString, field);
    QFETCH(QByteArray, expected);

    Program program;
    program.dialogs.colourAnswers << answer;
    program.trigger("mnuframeset");
    program.find<QLineEdit>("Text4", "frame1")->setText("C0C0C0");
    program.click("Command1", "frame1");
    QCOMPARE(program.dialogs.colourRequests, 1);
    QCOMPARE(program.find<QLineEdit>("Text4", "frame1")->text(), field);
    QVERIFY(program.window("frame1")->isVisible());
    program.click("Command2", "frame1");
    QCOMPARE(program.bytes(), expected);
}

void TestFrameDialogs::scrollingOptionsSitInTheirOwnFrame()
{
    Program program;
    program.trigger("mnuframe");
    auto scrolling = program.find<QGroupBox>("Frame4", "frame2");
    QVERIFY(scrolling);
    QCOMPARE(scrolling->title(), QString("Scrolling"));
    QVERIFY(scrolling->isAncestorOf(program.find<QRadioButton>("Option1", "frame2")));
    QVERIFY(scrolling->isAncestorOf(program.find<QRadioButton>("Option2", "frame2")));
    QVERIFY(program.find<QGroupBox>("Frame3", "frame2")->isAncestorOf(scrolling));
}

QTEST_MAIN(TestFrameDialogs)
#include "tst_framedialogs.moc"
