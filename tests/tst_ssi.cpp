#include "support/dialogdriver.h"

#include <QLabel>

// The server-side include dialogs: echo, exec, include, email, fsize and flastmod.
class TestSsi : public QObject
{
    Q_OBJECT

private slots:
    void opens_data();
    void opens();
    void output_data();
    void output();
    void echoListsTheServerPort();
    void execAndIncludeShowTheirStartValuesAfterOk();
    void emailRowsRunFromaddressToaddressFromhostTohost();
    void emailNoteIsSetAtCreation();
    void onlyFlastmodIsResizable();
    void tabOrder_data();
    void tabOrder();
};

void TestSsi::opens_data()
{
    addOpensColumns();

    QTest::newRow("echo") << "mnuecho" << "Command16(0)" << "ssi1" << "Echo..." << "Combo1";
    QTest::newRow("exec") << "mnuexec" << "Command16(1)" << "ssi2" << "Exec..." << "Text1";
    QTest::newRow("include") << "mnuinc" << "Command16(2)" << "ssi3" << "Include..." << "Text1";
    QTest::newRow("email") << "mnuemail" << "Command16(5)" << "ssi4" << "E-mail" << "Text1";
    QTest::newRow("fsize") << "mnufsize" << "Command18(0)" << "ssi5" << "Fsize" << "Option1";
    QTest::newRow("flastmod")
        << "mnuflastmod" << "Command18(1)" << "ssi6" << "Flastmod" << "Text1";
}

void TestSsi::opens()
{
    checkOpens();
}

void TestSsi::output_data()
{
    addOutputColumns();

    const QByteArray execStart("<!--#exec cmd=\"<filename> <arguments>\" cgi=\"<filename>\" -->");
    const QByteArray includeStart("<!--#include virtual=\"<filename>\" file=\"<filename>\" -->");

    QTest::newRow("echo empty") << "mnuecho" << "ssi1" << QStringList()
                                << QByteArray("<!--#echo -->") << QByteArray("<!--#echo -->");
    QTest::newRow("echo picked, kept")
        << "mnuecho" << "ssi1" << QStringList{"Combo1#4"}
        << QByteArray("<!--#echo var=\"DATE_LOCAL\" -->")
        << QByteArray("<!--#echo var=\"DATE_LOCAL\" -->");
    QTest::newRow("echo typed")
        << "mnuecho" << "ssi1" << QStringList{"Combo1=MY_VAR"}
        << QByteArray("<!--#echo var=\"MY_VAR\" -->")
        << QByteArray("<!--#echo var=\"MY_VAR\" -->");

    QTest::newRow("exec start values") << "mnuexec" << "ssi2" << QStringList() << execStart
                                       << execStart;
    QTest::newRow("exec both emptied, start values again")
        << "mnuexec" << "ssi2" << QStringList{"Text1=", "Text2="} << QByteArray("<!--#exec -->")
        << execStart;
    QTest::newRow("exec command only")
        << "mnuexec" << "ssi2" << QStringList{"Text2=", "Text1=ls -l"}
        << QByteArray("<!--#exec cmd=\"ls -l\" -->") << execStart;

    QTest::newRow("include start values")
        << "mnuinc" << "ssi3" << QStringList() << includeStart << includeStart;
    QTest::newRow("include file only")
        << "mnuinc" << "ssi3" << QStringList{"Text1=", "Text2=footer.htm"}
        << QByteArray("<!--#include file=\"footer.htm\" -->") << includeStart;
    QTest::newRow("include both")
        << "mnuinc" << "ssi3" << QStringList{"Text2=b.htm", "Text1=/a.htm"}
        << QByteArray("<!--#include virtual=\"/a.htm\" file=\"b.htm\" -->") << includeStart;

    QTest::newRow("email empty") << "mnuemail" << "ssi4" << QStringList()
                                 << QByteArray("<!--#email -->") << QByteArray("<!--#email -->");
    QTest::newRow("email tohost only, emptied")
        << "mnuemail" << "ssi4" << QStringList{"Text4=mail.example.com"}
        << QByteArray("<!--#email tohost=\"mail.example.com\" -->")
        << QByteArray("<!--#email -->");
    QTest::newRow("email all four in order")
        << "mnuemail" << "ssi4" << QStringList{"Text4=d", "Text3=c", "Text2=b", "Text1=a"}
        << QByteArray("<!--#email fromaddress=\"a\" toaddress=\"b\" fromhost=\"c\""
                      " tohost=\"d\" -->")
        << QByteArray("<!--#email -->");

    QTest::newRow("fsize start state writes an empty file")
        << "mnufsize" << "ssi5" << QStringList() << QByteArray("<!--#fsize File=\"\" -->")
        << QByteArray("<!--#fsize File=\"\" -->");
    QTest::newRow("fsize virtual kept, text emptied")
        << "mnufsize" << "ssi5" << QStringList{"Option1", "Text1=/index.html"}
        << QByteArray("<!--#fsize Virtual=\"/index.html\" -->")
        << QByteArray("<!--#fsize Virtual=\"\" -->");
    QTest::newRow("flastmod virtual kept, text emptied")
        << "mnuflastmod" << "ssi6" << QStringList{"Option1", "Text1=/index.html"}
        << QByteArray("<!--#flastmod Virtual=\"/index.html\" -->")
        << QByteArray("<!--#flastmod Virtual=\"\" -->");
    QTest::newRow("flastmod file")
        << "mnuflastmod" << "ssi6" << QStringList{"Option1", "Option2", "Text1=a.htm"}
        << QByteArray("<!--#flastmod File=\"a.htm\" -->")
        << QByteArray("<!--#flastmod File=\"\" -->");
}

void TestSsi::output()
{
    checkOutput();
}

void TestSsi::echoListsTheServerPort()
{
    Program program;
    program.trigger("mnuecho");
    auto variables = program.find<QComboBox>("Combo1", "ssi1");
    QCOMPARE(variables->count(), 30);
    QCOMPARE(variables->findText("SERVER_POST"), -1);
    const int port = variables->findText("SERVER_PORT");
    QVERIFY(port >= 0);
    setFields(program, "ssi1", {QStringLiteral("Combo1#%1").arg(port)});
    program.click("Command2", "ssi1");
    QCOMPARE(program.bytes(), QByteArray("<!--#echo var=\"SERVER_PORT\" -->"));
}

void TestSsi::execAndIncludeShowTheirStartValuesAfterOk()
{
    Program program;
    program.trigger("mnuexec");
    setFields(program, "ssi2", {"Text1=perl x.pl", "Text2=x.cgi"});
    program.click("Command2", "ssi2");
    program.trigger("mnuexec");
    QCOMPARE(program.find<QLineEdit>("Text1", "ssi2")->text(), QString("<filename> <arguments>"));
    QCOMPARE(program.find<QLineEdit>("Text2", "ssi2")->text(), QString("<filename>"));

    program.trigger("mnuinc");
    setFields(program, "ssi3", {"Text1=", "Text2=f.htm"});
    program.click("Command2", "ssi3");
    program.trigger("mnuinc");
    QCOMPARE(program.find<QLineEdit>("Text1", "ssi3")->text(), QString("<filename>"));
    QCOMPARE(program.find<QLineEdit>("Text2", "ssi3")->text(), QString("<filename>"));
}

void TestSsi::emailRowsRunFromaddressToaddressFromhostTohost()
{
    Program program;
    program.trigger("mnuemail");
    // Each field is typed into through its label, as a screen reader user reaches it.
    for (const char *label : {"Label1(1)", "Label1(2)", "Label1(3)", "Label1(0)"}) {
        auto caption = program.find<QLabel>(label, "ssi4");
        QTest::keyClicks(caption->buddy(), caption->text());
    }
    program.click("Command2", "ssi4");
    QCOMPARE(program.bytes(),
             QByteArray("<!--#email fromaddress=\"fromaddress\" toaddress=\"toaddress\""
                        " fromhost=\"fromhost\" tohost=\"tohost\" -->"));
}

void TestSsi::emailNoteIsSetAtCreation()
{
    Program program;
    program.trigger("mnuemail");
    auto note = program.find<QLabel>("Label2", "ssi4");
    QCOMPARE(note->text(),
             QString("NOTE:\nYou can also add reply, inreply, id, mesaage, subject, sender.\n"
                     "These are only the requiered. All other, described above, is optional."));
    QVERIFY(note->isVisible());
}

void TestSsi::onlyFlastmodIsResizable()
{
    Program program;
    program.trigger("mnufsize");
    program.trigger("mnuflastmod");
    QWidget *fsize = program.window("ssi5");
    QWidget *flastmod = program.window("ssi6");
    QCOMPARE(fsize->minimumSize(), fsize->maximumSize());
    QVERIFY(flastmod->minimumSize() != flastmod->maximumSize());
}

void TestSsi::tabOrder_data()
{
    addTabOrderColumns();

    QTest::newRow("echo") << "mnuecho" << "ssi1" << QStringList{"Combo1", "Command1", "Command2"};
    QTest::newRow("fsize: options first")
        << "mnufsize" << "ssi5" << QStringList{"Option1", "Option2", "Text1", "Command1",
                                                "Command2"};
    QTest::newRow("flastmod: text first, File before Virtual")
        << "mnuflastmod" << "ssi6" << QStringList{"Text1", "Option2", "Option1", "Command1",
                                                   "Command2"};
}

void TestSsi::tabOrder()
{
    checkTabOrder();
}

QTEST_MAIN(TestSsi)
#include "tst_ssi.moc"
