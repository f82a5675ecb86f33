#include "support/dialogtables.h"
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
    void output_data();
    void output();
    void reopen_data();
    void reopen();
    void tabOrder_data();
    void tabOrder();
    void framesetColour_data();
    void framesetColour();
    void scrollingOptionsSitInTheirOwnFrame();
};

void TestFrameDialogs::opens_data()
{
    DialogTables::opensColumns();

    QTest::newRow("frameset menu") << "mnuframeset" << "frame1" << "Frameset" << "Frame2"
                                   << "Frameset...";
    QTest::newRow("frameset tab button") << "Command14(4)" << "frame1" << "Frameset" << "Frame2"
                                         << "Frameset...";
    QTest::newRow("frame menu") << "mnuframe" << "frame2" << "Frame" << "Frame3" << "Frame";
    QTest::newRow("frame tab button") << "Command14(5)" << "frame2" << "Frame" << "Frame3"
                                      << "Frame";
    QTest::newRow("iframe menu") << "mnuiframe" << "frame3" << "Iframe" << "Frame4" << "Iframe";
    QTest::newRow("iframe tab button") << "Command19" << "frame3" << "Iframe" << "Frame4"
                                       << "Iframe";
}

void TestFrameDialogs::opens()
{
    DialogTables::checkOpens();
}

void TestFrameDialogs::output_data()
{
    DialogTables::outputColumns();

    QTest::newRow("frameset empty") << "mnuframeset" << "frame1" << QStringList()
                                    << QByteArray("<FRAMESET>Frames\n</FRAMESET>");
    QTest::newRow("frameset rows quoted")
        << "mnuframeset" << "frame1" << QStringList{"Text1=50%,*"}
        << QByteArray("<FRAMESET ROWS=\"50%,*\">Frames\n</FRAMESET>");
    QTest::newRow("frameset every field in order")
        << "mnuframeset" << "frame1"
        << QStringList{"Text4=00FF00", "Text3=2", "Text2=*,*", "Text1=20%,80%"}
        << QByteArray("<FRAMESET ROWS=\"20%,80%\" COLS=\"*,*\" BORDER=2 BORDERCOLOR=#00FF00>"
                      "Frames\n</FRAMESET>");
    QTest::newRow("frame at start") << "mnuframe" << "frame2" << QStringList()
                                    << QByteArray("<FRAME SCROLLING=YES>");
    QTest::newRow("frame scrolling NO and no resize")
        << "mnuframe" << "frame2" << QStringList{"Option2=1", "Check1=1"}
        << QByteArray("<FRAME SCROLLING=NO NORESIZE>");
    QTest::newRow("frame scrolling back to YES")
        << "mnuframe" << "frame2" << QStringList{"Option2=1", "Option1=1"}
        << QByteArray("<FRAME SCROLLING=YES>");
    QTest::newRow("frame no resize unchecked again")
        << "mnuframe" << "frame2" << QStringList{"Check1=1", "Check1=0"}
        << QByteArray("<FRAME SCROLLING=YES>");
    QTest::newRow("frame margin height before width")
        << "mnuframe" << "frame2" << QStringList{"Text3=5", "Text4=7"}
        << QByteArray("<FRAME MARGINHEIGHT=7 MARGINWIDTH=5 SCROLLING=YES>");
    QTest::newRow("frame every field in order")
        << "mnuframe" << "frame2"
        << QStringList{"Check1=1", "Option2=1", "Text6=3", "Text5=0", "Text4=7", "Text3=5",
                       "Text2=main", "Text1=a.htm"}
        << QByteArray("<FRAME SRC=\"a.htm\" NAME=\"main\" MARGINHEIGHT=7 MARGINWIDTH=5 "
                      "FRAMEBORDER=0 FRAMESPACING=3 SCROLLING=NO NORESIZE>");
    QTest::newRow("iframe empty") << "mnuiframe" << "frame3" << QStringList()
                                  << QByteArray("<IFRAME>Floating frame goes in here</IFRAME>");
    QTest::newRow("iframe name and src")
        << "mnuiframe" << "frame3" << QStringList{"Text1=main", "Text2=a.htm"}
        << QByteArray("<IFRAME NAME=\"main\" SRC=\"a.htm\">Floating frame goes in here"
                      "</IFRAME>");
    QTest::newRow("iframe every field in order")
        << "mnuiframe" << "frame3"
        << QStringList{"Text4=100", "Text3=300", "Text2=b.htm", "Text1=side"}
        << QByteArray("<IFRAME NAME=\"side\" SRC=\"b.htm\" WIDTH=300 HEIGHT=100>"
                      "Floating frame goes in here</IFRAME>");
}

void TestFrameDialogs::output()
{
    DialogTables::checkOutput();
}

void TestFrameDialogs::reopen_data()
{
    DialogTables::reopenColumns();

    const QStringList frameset{"Text1=50%,*", "Text2=*", "Text3=1", "Text4=FF0000"};
    QTest::newRow("frameset keeps rows and cols after OK")
        << "mnuframeset" << "frame1" << frameset << "Command2"
        << QStringList{"Text1=50%,*", "Text2=*", "Text3=", "Text4="};
    QTest::newRow("frameset keeps everything after cancel")
        << "mnuframeset" << "frame1" << frameset << "Command3" << frameset;
    const QStringList frame{"Text1=a", "Text2=b", "Text3=1", "Text4=2", "Text5=3",
                            "Text6=4", "Option2=1", "Check1=1"};
    QTest::newRow("frame keeps everything after OK")
        << "mnuframe" << "frame2" << frame << "Command2" << frame;
    QTest::newRow("frame keeps everything after cancel")
        << "mnuframe" << "frame2" << frame << "Command3" << frame;
    QTest::newRow("iframe empty after OK")
        << "mnuiframe" << "frame3" << QStringList{"Text1=n", "Text2=s", "Text3=1", "Text4=2"}
        << "Command2" << QStringList{"Text1=", "Text2=", "Text3=", "Text4="};
    QTest::newRow("iframe keeps everything after cancel")
        << "mnuiframe" << "frame3" << QStringList{"Text1=n", "Text4=2"} << "Command1"
        << QStringList{"Text1=n", "Text4=2"};
}

void TestFrameDialogs::reopen()
{
    DialogTables::checkReopen();
}

void TestFrameDialogs::tabOrder_data()
{
    DialogTables::tabOrderColumns();

    QTest::newRow("frameset: buttons after rows and cols")
        << "mnuframeset" << "frame1" << "Text1"
        << QStringList{"Text2", "Command2", "Command3", "Text3", "Text4", "Command1", "Text1"};
    QTest::newRow("frame: OK first")
        << "mnuframe" << "frame2" << "Command2"
        << QStringList{"Command3", "Option1", "Option2", "Text1", "Text2", "Text3", "Text4",
                       "Text5", "Check1", "Text6", "Command2"};
    QTest::newRow("iframe") << "mnuiframe" << "frame3" << "Text1"
                            << QStringList{"Text2", "Text3", "Text4", "Command1", "Command2"};
}

void TestFrameDialogs::tabOrder()
{
    DialogTables::checkTabOrder();
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
