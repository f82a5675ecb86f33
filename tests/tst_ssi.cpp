#include "support/dialogrows.h"
#include "support/program.h"

#include <QComboBox>
#include <QLabel>

// The server-side include dialogs: echo, exec, include, email, fsize and flastmod.
class TestSsi : public QObject
{
    Q_OBJECT

private slots:
    void opens_data();
    void opens();
    void dialogs_data();
    void dialogs();
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
    addOpenColumns();

    QTest::newRow("echo") << "ssi1" << QStringList{"menu:mnuecho", "tab:Command16(0)"}
                          << "Echo...";
    QTest::newRow("exec") << "ssi2" << QStringList{"menu:mnuexec", "tab:Command16(1)"}
                          << "Exec...";
    QTest::newRow("include") << "ssi3" << QStringList{"menu:mnuinc", "tab:Command16(2)"}
                             << "Include...";
    QTest::newRow("email") << "ssi4" << QStringList{"menu:mnuemail", "tab:Command16(5)"}
                           << "E-mail";
    QTest::newRow("fsize") << "ssi5" << QStringList{"menu:mnufsize", "tab:Command18(0)"}
                           << "Fsize";
    QTest::newRow("flastmod") << "ssi6" << QStringList{"menu:mnuflastmod", "tab:Command18(1)"}
                              << "Flastmod";
}

void TestSsi::opens()
{
    checkOpenRow();
}

void TestSsi::dialogs_data()
{
    addDialogColumns();

    const QByteArray execStart("<!--#exec cmd=\"<filename> <arguments>\" cgi=\"<filename>\" -->");
    const QByteArray includeStart("<!--#include virtual=\"<filename>\" file=\"<filename>\" -->");

    newTwoUseRow("echo empty", "ssi1", "mnuecho", {}, "<!--#echo -->", "<!--#echo -->");
    newTwoUseRow("echo picked, kept", "ssi1", "mnuecho", {"Combo1#4"},
                 "<!--#echo var=\"DATE_LOCAL\" -->", "<!--#echo var=\"DATE_LOCAL\" -->");
    newTwoUseRow("echo typed", "ssi1", "mnuecho", {"Combo1=MY_VAR"},
                 "<!--#echo var=\"MY_VAR\" -->", "<!--#echo var=\"MY_VAR\" -->");

    newTwoUseRow("exec start values", "ssi2", "mnuexec", {}, execStart, execStart);
    newTwoUseRow("exec both emptied, start values again", "ssi2", "mnuexec",
                 {"Text1=", "Text2="}, "<!--#exec -->", execStart);
    newTwoUseRow("exec command only", "ssi2", "mnuexec", {"Text2=", "Text1=ls -l"},
                 "<!--#exec cmd=\"ls -l\" -->", execStart);

    newTwoUseRow("include start values", "ssi3", "mnuinc", {}, includeStart, includeStart);
    newTwoUseRow("include file only", "ssi3", "mnuinc", {"Text1=", "Text2=footer.htm"},
                 "<!--#include file=\"footer.htm\" -->", includeStart);
    newTwoUseRow("include both", "ssi3", "mnuinc", {"Text2=b.htm", "Text1=/a.htm"},
                 "<!--#include virtual=\"/a.htm\" file=\"b.htm\" -->", includeStart);

    newTwoUseRow("email empty", "ssi4", "mnuemail", {}, "<!--#email -->", "<!--#email -->");
    newTwoUseRow("email tohost only, emptied", "ssi4", "mnuemail",
                 {"Text4=mail.example.com"}, "<!--#email tohost=\"mail.example.com\" -->",
                 "<!--#email -->");
    newTwoUseRow("email all four in order", "ssi4", "mnuemail",
                 {"Text4=d", "Text3=c", "Text2=b", "Text1=a"},
                 "<!--#email fromaddress=\"a\" toaddress=\"b\" fromhost=\"c\" tohost=\"d\" -->",
                 "<!--#email -->");

    newTwoUseRow("fsize start state writes an empty file", "ssi5", "mnufsize", {},
                 "<!--#fsize File=\"\" -->", "<!--#fsize File=\"\" -->");
    newTwoUseRow("fsize virtual kept, text emptied", "ssi5", "mnufsize",
                 {"click:Option1", "Text1=/index.html"},
                 "<!--#fsize Virtual=\"/index.html\" -->", "<!--#fsize Virtual=\"\" -->");
    newTwoUseRow("flastmod virtual kept, text emptied", "ssi6", "mnuflastmod",
                 {"click:Option1", "Text1=/index.html"},
                 "<!--#flastmod Virtual=\"/index.html\" -->", "<!--#flastmod Virtual=\"\" -->");
    newTwoUseRow("flastmod file", "ssi6", "mnuflastmod",
                 {"click:Option1", "click:Option2", "Text1=a.htm"},
                 "<!--#flastmod File=\"a.htm\" -->", "<!--#flastmod File=\"\" -->");
}

void TestSsi::dialogs()
{
    checkDialogRow();
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
    QCOMPARE(runSteps(program, "ssi1", {QStringLiteral("Combo1#%1").arg(port), "ok"}), QString());
    QCOMPARE(program.bytes(), QByteArray("<!--#echo var=\"SERVER_PORT\" -->"));
}

void TestSsi::execAndIncludeShowTheirStartValuesAfterOk()
{
    Program program;
    QCOMPARE(runSteps(program, "ssi2",
                      {"menu:mnuexec", "Text1=perl x.pl", "Text2=x.cgi", "ok", "menu:mnuexec",
                       "?Text1=<filename> <arguments>", "?Text2=<filename>"}),
             QString());
    QCOMPARE(runSteps(program, "ssi3",
                      {"menu:mnuinc", "Text1=", "Text2=f.htm", "ok", "menu:mnuinc",
                       "?Text1=<filename>", "?Text2=<filename>"}),
             QString());
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

    QTest::newRow("echo")
        << "menu:mnuecho" << "ssi1" << QStringList{"Combo1", "Command1", "Command2"};
    QTest::newRow("exec: the keyboard starts in the command")
        << "menu:mnuexec" << "ssi2" << QStringList{"Text1"};
    QTest::newRow("include: the keyboard starts in the virtual path")
        << "menu:mnuinc" << "ssi3" << QStringList{"Text1"};
    QTest::newRow("email: the keyboard starts in the first row")
        << "menu:mnuemail" << "ssi4" << QStringList{"Text1"};
    QTest::newRow("fsize: options first")
        << "menu:mnufsize" << "ssi5"
        << QStringList{"Option1", "Option2", "Text1", "Command1", "Command2"};
    QTest::newRow("flastmod: text first, File before Virtual")
        << "menu:mnuflastmod" << "ssi6"
        << QStringList{"Text1", "Option2", "Option1", "Command1", "Command2"};
}

void TestSsi::tabOrder()
{
    checkTabOrderRow();
}

QTEST_MAIN(TestSsi)
#include "tst_ssi.moc"
