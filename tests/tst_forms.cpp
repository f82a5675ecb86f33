#include "support/dialogdriver.h"

#include <QRadioButton>

// The form field dialogs: FORM, INPUT, TEXTAREA, OPTION and SELECT.
namespace {
const QByteArray optionLines("<OPTION>1st option\r<OPTION>2nd option\r<OPTION>and goes on....\r"
                             "</SELECT>");
const QByteArray emptyTextArea("<TEXTAREA>Text included (can also be ommited)</TEXTAREA>");
} // namespace

class TestForms : public QObject
{
    Q_OBJECT

private slots:
    void opens_data();
    void opens();
    void output_data();
    void output();
    void inputOptionIsClearedOnlyByOk();
    void selectInsertsTwiceReplacingSelection();
    void cancelInsertsNothingAndKeepsFields();
    void tabOrder_data();
    void tabOrder();
};

void TestForms::opens_data()
{
    addOpensColumns();

    QTest::newRow("form") << "mnuform" << "Command17(2)" << "formss1" << "Form..." << "Text1";
    QTest::newRow("form, second item") << "mnuform2" << "" << "formss1" << "Form..." << "Text1";
    QTest::newRow("input") << "mnuinput" << "" << "formss2" << "Input..." << "Option1";
    QTest::newRow("text area")
        << "mnutextarea" << "Command17(3)" << "formss3" << "TextArea" << "Text1";
    QTest::newRow("option") << "mnuoption" << "Command17(4)" << "formss4" << "Option" << "Text1";
    QTest::newRow("select") << "mnuselect" << "Command17(5)" << "formss5" << "Select" << "Text1";
}

void TestForms::opens()
{
    checkOpens();
}

void TestForms::output_data()
{
    addOutputColumns();

    QTest::newRow("form empty") << "mnuform" << "formss1" << QStringList()
                                << QByteArray("<FORM>\n</FORM>") << QByteArray("<FORM>\n</FORM>");
    QTest::newRow("form action and method, then reset")
        << "mnuform" << "formss1" << QStringList{"Text1=/cgi-bin/x", "Text2=post"}
        << QByteArray("<FORM ACTION=/cgi-bin/x METHOD=\"post\">\n</FORM>")
        << QByteArray("<FORM>\n</FORM>");
    QTest::newRow("form all in order")
        << "mnuform2" << "formss1"
        << QStringList{"Text3=multipart/form-data", "Text2=get", "Text1=a.cgi"}
        << QByteArray("<FORM ACTION=a.cgi METHOD=\"get\" ENCTYPE=multipart/form-data>\n</FORM>")
        << QByteArray("<FORM>\n</FORM>");

    QTest::newRow("input empty")
        << "mnuinput" << "formss2" << QStringList() << QByteArray("<INPUT>")
        << QByteArray("<INPUT>");
    QTest::newRow("input checkbox keeps its type")
        << "mnuinput" << "formss2" << QStringList{"Combo1#2", "Text2=a", "Option1"}
        << QByteArray("<INPUT TYPE=CHECKBOX NAME=\"a\" CHECKED>")
        << QByteArray("<INPUT TYPE=CHECKBOX>");
    QTest::newRow("input align only")
        << "mnuinput" << "formss2" << QStringList{"Combo2#2"} << QByteArray("<INPUT ALIGN=RIGHT>")
        << QByteArray("<INPUT ALIGN=RIGHT>");
    QTest::newRow("input all in order, checked whatever the type")
        << "mnuinput" << "formss2"
        << QStringList{"Option1", "Text5=b.gif", "Text4=40", "Text3=20", "Text2=n", "Text1=v",
                       "Combo2#0", "Combo1=text"}
        << QByteArray("<INPUT TYPE=text ALIGN=LEFT VALUE=\"v\" NAME=\"n\" SIZE=20 MAXLENGTH=40"
                      " SRC=\"b.gif\" CHECKED>")
        << QByteArray("<INPUT TYPE=text ALIGN=LEFT>");

    QTest::newRow("text area empty")
        << "mnutextarea" << "formss3" << QStringList() << emptyTextArea << emptyTextArea;
    QTest::newRow("text area all in order, all reset")
        << "mnutextarea" << "formss3"
        << QStringList{"Combo1#1", "Text3=msg", "Text2=40", "Text1=5"}
        << QByteArray("<TEXTAREA ROWS=5 COLS=40 NAME=\"msg\" WRAP=VIRTUAL>"
                      "Text included (can also be ommited)</TEXTAREA>")
        << emptyTextArea;
    QTest::newRow("text area typed wrap")
        << "mnutextarea" << "formss3" << QStringList{"Combo1=hard"}
        << QByteArray("<TEXTAREA WRAP=hard>Text included (can also be ommited)</TEXTAREA>")
        << emptyTextArea;

    QTest::newRow("option start state")
        << "mnuoption" << "formss4" << QStringList() << QByteArray("<OPTION CHECKED>")
        << QByteArray("<OPTION CHECKED>");
    QTest::newRow("option plain with value, then checked again")
        << "mnuoption" << "formss4" << QStringList{"Option1", "Text1=3"}
        << QByteArray("<OPTION VALUE=\"3\" PLAIN>") << QByteArray("<OPTION CHECKED>");
    QTest::newRow("option selected")
        << "mnuoption" << "formss4" << QStringList{"Option3"} << QByteArray("<OPTION SELECTED>")
        << QByteArray("<OPTION CHECKED>");
    QTest::newRow("option disabled, the last choice counts")
        << "mnuoption" << "formss4" << QStringList{"Option1", "Option4"}
        << QByteArray("<OPTION DISABLED>") << QByteArray("<OPTION CHECKED>");
    QTest::newRow("option blank value")
        << "mnuoption" << "formss4" << QStringList{"Text1= "}
        << QByteArray("<OPTION VALUE=\" \" CHECKED>") << QByteArray("<OPTION CHECKED>");

    QTest::newRow("select empty")
        << "mnuselect" << "formss5" << QStringList() << "<SELECT>\r" + optionLines
        << "<SELECT>\r" + optionLines;
    QTest::newRow("select all, multiple kept")
        << "mnuselect" << "formss5" << QStringList{"Check1", "Text2=3", "Text1=choice"}
        << "<SELECT NAME=\"choice\" SIZE=3 MULTIPLE>\r" + optionLines
        << "<SELECT MULTIPLE>\r" + optionLines;
}

void TestForms::output()
{
    checkOutput();
}

void TestForms::inputOptionIsClearedOnlyByOk()
{
    Program program;
    program.show();
    program.trigger("mnuinput");
    QVERIFY(QTest::qWaitForWindowExposed(program.window("formss2")));
    auto checked = program.find<QRadioButton>("Option1", "formss2");
    QVERIFY(!checked->isChecked());
    const QPoint onButton(4, checked->height() / 2);
    QTest::mouseClick(checked, Qt::LeftButton, {}, onButton);
    QVERIFY(checked->isChecked());
    QTest::mouseClick(checked, Qt::LeftButton, {}, onButton);
    QVERIFY(checked->isChecked());
    program.click("Command1", "formss2");
    program.trigger("mnuinput");
    QVERIFY(checked->isChecked());
    program.click("Command2", "formss2");
    QCOMPARE(program.bytes(), QByteArray("<INPUT CHECKED>"));
    QVERIFY(!checked->isChecked());
}

void TestForms::selectInsertsTwiceReplacingSelection()
{
    Program program;
    program.type("a SEL b");
    program.editor().find("SEL", 0);
    program.trigger("mnuselect");
    program.click("Command2", "formss5");
    QCOMPARE(program.bytes(), "a <SELECT>\r" + optionLines + " b");
    QCOMPARE(program.editor().selectionLength(), 0);
    program.type("|");
    QCOMPARE(program.bytes(), "a <SELECT>\r" + optionLines + "| b");
}

void TestForms::cancelInsertsNothingAndKeepsFields()
{
    Program program;
    program.trigger("mnuform");
    setFields(program, "formss1", {"Text1=/x"});
    program.click("Command2", "formss1");
    QVERIFY(!program.window("formss1")->isVisible());
    QCOMPARE(program.bytes(), QByteArray());
    program.trigger("mnuform");
    program.click("Command1", "formss1");
    QCOMPARE(program.bytes(), QByteArray("<FORM ACTION=/x>\n</FORM>"));
}

void TestForms::tabOrder_data()
{
    addTabOrderColumns();

    QTest::newRow("form: Command1 is OK and comes first")
        << "mnuform" << "formss1"
        << QStringList{"Text1", "Text2", "Text3", "Command1", "Command2"};
    QTest::newRow("input: the option first")
        << "mnuinput" << "formss2"
        << QStringList{"Option1", "Combo1", "Combo2", "Text1", "Text2", "Text3", "Text4",
                       "Text5", "Command1", "Command2"};
    QTest::newRow("text area: the Wrap list adds no stop")
        << "mnutextarea" << "formss3"
        << QStringList{"Text1", "Text2", "Text3", "Combo1", "Command1", "Command2"};
    QTest::newRow("option: Disabled last")
        << "mnuoption" << "formss4"
        << QStringList{"Text1", "Option1", "Option2", "Option3", "Command1", "Command2",
                       "Option4"};
}

void TestForms::tabOrder()
{
    checkTabOrder();
}

QTEST_MAIN(TestForms)
#include "tst_forms.moc"
