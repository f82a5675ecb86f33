#include "support/dialogrows.h"
#include "support/program.h"

#include <QRadioButton>

// The form field dialogs: FORM, INPUT, TEXTAREA, OPTION and SELECT.
namespace {
const QByteArray optionLines("<OPTION>1st option\n<OPTION>2nd option\n<OPTION>and goes on....\n"
                             "</SELECT>");
const QByteArray emptyTextArea("<TEXTAREA>Text included (can also be ommited)</TEXTAREA>");
} // namespace

class TestForms : public QObject
{
    Q_OBJECT

private slots:
    void opens_data();
    void opens();
    void dialogs_data();
    void dialogs();
    void inputOptionIsClearedOnlyByOk();
    void selectInsertsTwiceReplacingSelection();
    void tabOrder_data();
    void tabOrder();
};

void TestForms::opens_data()
{
    addOpenColumns();

    QTest::newRow("form, both items and the tab button")
        << "formss1" << QStringList{"menu:mnuform", "menu:mnuform2", "tab:Command17(2)"}
        << "Form...";
    QTest::newRow("input") << "formss2" << QStringList{"menu:mnuinput"} << "Input...";
    QTest::newRow("text area")
        << "formss3" << QStringList{"menu:mnutextarea", "tab:Command17(3)"} << "TextArea";
    QTest::newRow("option")
        << "formss4" << QStringList{"menu:mnuoption", "tab:Command17(4)"} << "Option";
    QTest::newRow("select")
        << "formss5" << QStringList{"menu:mnuselect", "tab:Command17(5)"} << "Select";
}

void TestForms::opens()
{
    checkOpenRow();
}

void TestForms::dialogs_data()
{
    addDialogColumns();

    newTwoUseRow("form empty", "formss1", "mnuform", {}, "<FORM>\n</FORM>", "<FORM>\n</FORM>");
    newTwoUseRow("form action and method, then reset", "formss1", "mnuform",
                 {"Text1=/cgi-bin/x", "Text2=post"},
                 "<FORM ACTION=/cgi-bin/x METHOD=\"post\">\n</FORM>", "<FORM>\n</FORM>");
    newTwoUseRow("form all in order", "formss1", "mnuform2",
                 {"Text3=multipart/form-data", "Text2=get", "Text1=a.cgi"},
                 "<FORM ACTION=a.cgi METHOD=\"get\" ENCTYPE=multipart/form-data>\n</FORM>",
                 "<FORM>\n</FORM>");
    newDialogRow("form cancel inserts nothing and keeps the fields", "formss1",
                 {"menu:mnuform", "Text1=/x", "cancel", "?hidden", "menu:mnuform", "ok"},
                 {"<FORM ACTION=/x>\n</FORM>"});

    newTwoUseRow("input empty", "formss2", "mnuinput", {}, "<INPUT>", "<INPUT>");
    newTwoUseRow("input checkbox keeps its type", "formss2", "mnuinput",
                 {"Combo1#2", "Text2=a", "click:Option1"},
                 "<INPUT TYPE=CHECKBOX NAME=\"a\" CHECKED>", "<INPUT TYPE=CHECKBOX>");
    newTwoUseRow("input align only", "formss2", "mnuinput", {"Combo2#2"}, "<INPUT ALIGN=RIGHT>",
                 "<INPUT ALIGN=RIGHT>");
    newTwoUseRow("input all in order, checked whatever the type", "formss2", "mnuinput",
                 {"click:Option1", "Text5=b.gif", "Text4=40", "Text3=20", "Text2=n", "Text1=v",
                  "Combo2#0", "Combo1=text"},
                 "<INPUT TYPE=text ALIGN=LEFT VALUE=\"v\" NAME=\"n\" SIZE=20 MAXLENGTH=40"
                 " SRC=\"b.gif\" CHECKED>",
                 "<INPUT TYPE=text ALIGN=LEFT>");

    newTwoUseRow("text area empty", "formss3", "mnutextarea", {}, emptyTextArea,
                 emptyTextArea);
    newTwoUseRow("text area all in order, all reset", "formss3", "mnutextarea",
                 {"Combo1#1", "Text3=msg", "Text2=40", "Text1=5"},
                 "<TEXTAREA ROWS=5 COLS=40 NAME=\"msg\" WRAP=VIRTUAL>"
                 "Text included (can also be ommited)</TEXTAREA>",
                 emptyTextArea);
    newTwoUseRow("text area typed wrap", "formss3", "mnutextarea", {"Combo1=hard"},
                 "<TEXTAREA WRAP=hard>Text included (can also be ommited)</TEXTAREA>",
                 emptyTextArea);

    newTwoUseRow("option start state", "formss4", "mnuoption", {}, "<OPTION CHECKED>",
                 "<OPTION CHECKED>");
    newTwoUseRow("option plain with value, then checked again", "formss4", "mnuoption",
                 {"click:Option1", "Text1=3"}, "<OPTION VALUE=\"3\" PLAIN>",
                 "<OPTION CHECKED>");
    newTwoUseRow("option selected", "formss4", "mnuoption", {"click:Option3"},
                 "<OPTION SELECTED>", "<OPTION CHECKED>");
    newTwoUseRow("option disabled, the last choice counts", "formss4", "mnuoption",
                 {"click:Option1", "click:Option4"}, "<OPTION DISABLED>", "<OPTION CHECKED>");
    newTwoUseRow("option blank value", "formss4", "mnuoption", {"Text1= "},
                 "<OPTION VALUE=\" \" CHECKED>", "<OPTION CHECKED>");

    newTwoUseRow("select empty", "formss5", "mnuselect", {}, "<SELECT>\n" + optionLines,
                 "<SELECT>\n" + optionLines);
    newTwoUseRow("select all, multiple kept", "formss5", "mnuselect",
                 {"click:Check1", "Text2=3", "Text1=choice"},
                 "<SELECT NAME=\"choice\" SIZE=3 MULTIPLE>\n" + optionLines,
                 "<SELECT MULTIPLE>\n" + optionLines);
}

void TestForms::dialogs()
{
    checkDialogRow();
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
    QCOMPARE(program.bytes(), "a <SELECT>\n" + optionLines + " b");
    QCOMPARE(program.editor().selectionLength(), 0);
    program.type("|");
    QCOMPARE(program.bytes(), "a <SELECT>\n" + optionLines + "| b");
}

void TestForms::tabOrder_data()
{
    addTabOrderColumns();

    QTest::newRow("form: Command1 is OK and comes first")
        << "menu:mnuform" << "formss1"
        << QStringList{"Text1", "Text2", "Text3", "Command1", "Command2"};
    QTest::newRow("input: the option first")
        << "menu:mnuinput" << "formss2"
        << QStringList{"Option1", "Combo1", "Combo2", "Text1", "Text2", "Text3", "Text4",
                       "Text5", "Command1", "Command2"};
    QTest::newRow("text area: the Wrap list adds no stop")
        << "menu:mnutextarea" << "formss3"
        << QStringList{"Text1", "Text2", "Text3", "Combo1", "Command1", "Command2"};
    QTest::newRow("option: Disabled last")
        << "menu:mnuoption" << "formss4"
        << QStringList{"Text1", "Option1", "Option2", "Option3", "Command1", "Command2",
                       "Option4"};
    QTest::newRow("select: the keyboard starts in the name")
        << "menu:mnuselect" << "formss5" << QStringList{"Text1"};
}

void TestForms::tabOrder()
{
    checkTabOrderRow();
}

QTEST_MAIN(TestForms)
#include "tst_forms.moc"
