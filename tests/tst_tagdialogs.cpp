#include "support/dialogrows.h"
#include "support/program.h"

#include "dialogs/common/attributes.h"

#include <QLineEdit>
#include <QPushButton>

// The pattern every tag dialog shares, seen through Is Index and Next Id, and the
// attribute rule and colour choice they build on.
class TestTagDialogs : public QObject
{
    Q_OBJECT

private slots:
    void isIndex_data();
    void isIndex();
    void nextId_data();
    void nextId();
    void cancelKeepsTextForNextShow();
    void okResetsIsIndexButKeepsNextIdNumber();
    void oneInsertionPerOkReplacingSelection();
    void secondShowRaisesTheSameWindow();
    void enterAndEscapeDoNothingSpecial();
    void tabOrderIsFieldsThenCancelThenOk();
    void colourCode_data();
    void colourCode();
    void attributeRule_data();
    void attributeRule();
};

void TestTagDialogs::isIndex_data()
{
    QTest::addColumn<QString>("prompt");
    QTest::addColumn<QString>("action");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("both empty") << "" << "" << QByteArray("<ISINDEX>");
    QTest::newRow("only action") << "" << "x.cgi" << QByteArray("<ISINDEX ACTION=\"x.cgi\">");
    QTest::newRow("one blank is filled") << " " << "" << QByteArray("<ISINDEX PROMPT=\" \">");
    QTest::newRow("a quote in a quoted value")
        << "say \"hi\"" << "a>b"
        << QByteArray("<ISINDEX PROMPT=\"say &quot;hi&quot;\" ACTION=\"a>b\">");
    QTest::newRow("both in order")
        << "Search:" << "/find" << QByteArray("<ISINDEX PROMPT=\"Search:\" ACTION=\"/find\">");
}

void TestTagDialogs::isIndex()
{
    QFETCH(QString, prompt);
    QFETCH(QString, action);
    QFETCH(QByteArray, expected);

    Program program;
    program.trigger("mnuisindex");
    program.find<QLineEdit>("Text1", "is1")->setText(prompt);
    program.find<QLineEdit>("Text2", "is1")->setText(action);
    program.click("Command2", "is1");
    QCOMPARE(program.bytes(), expected);
    QVERIFY(!program.window("is1")->isVisible());
}

void TestTagDialogs::nextId_data()
{
    QTest::addColumn<QString>("number");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("empty is still written") << "" << QByteArray("<NEXTID N=>");
    QTest::newRow("five") << "5" << QByteArray("<NEXTID N=5>");
    QTest::newRow("blank quoted") << " " << QByteArray("<NEXTID N=\" \">");
}

void TestTagDialogs::nextId()
{
    QFETCH(QString, number);
    QFETCH(QByteArray, expected);

    Program program;
    program.trigger("mnuid");
    program.find<QLineEdit>("Text1", "nextid1")->setText(number);
    program.click("Command2", "nextid1");
    QCOMPARE(program.bytes(), expected);
}

void TestTagDialogs::cancelKeepsTextForNextShow()
{
    Program program;
    program.trigger("mnuisindex");
    QTest::keyClicks(program.find<QLineEdit>("Text1", "is1"), "typed");
    program.click("Command1", "is1");
    QVERIFY(!program.window("is1")->isVisible());
    QCOMPARE(program.bytes(), QByteArray());

    program.trigger("mnuisindex");
    QVERIFY(program.window("is1")->isVisible());
    QCOMPARE(program.find<QLineEdit>("Text1", "is1")->text(), QString("typed"));
    program.click("Command2", "is1");
    QCOMPARE(program.bytes(), QByteArray("<ISINDEX PROMPT=\"typed\">"));
}

void TestTagDialogs::okResetsIsIndexButKeepsNextIdNumber()
{
    Program program;
    program.trigger("mnuisindex");
    program.find<QLineEdit>("Text1", "is1")->setText("p");
    program.find<QLineEdit>("Text2", "is1")->setText("a");
    program.click("Command2", "is1");
    program.trigger("mnuisindex");
    QCOMPARE(program.find<QLineEdit>("Text1", "is1")->text(), QString());
    QCOMPARE(program.find<QLineEdit>("Text2", "is1")->text(), QString());

    program.trigger("mnuid");
    program.find<QLineEdit>("Text1", "nextid1")->setText("7");
    program.click("Command2", "nextid1");
    program.trigger("mnuid");
    QCOMPARE(program.find<QLineEdit>("Text1", "nextid1")->text(), QString("7"));
}

void TestTagDialogs::oneInsertionPerOkReplacingSelection()
{
    Program program;
    program.type("one word two");
    program.editor().find("word", 0);
    program.trigger("mnuid");
    program.find<QLineEdit>("Text1", "nextid1")->setText("3");
    program.click("Command2", "nextid1");
    QCOMPARE(program.bytes(), QByteArray("one <NEXTID N=3> two"));
    QCOMPARE(program.editor().selectionLength(), 0);
    QVERIFY(program.form.document().changed);
}

void TestTagDialogs::secondShowRaisesTheSameWindow()
{
    Program program;
    program.show();
    program.trigger("mnuisindex");
    QWidget *first = program.window("is1");
    program.click("Command14(7)");
    QCOMPARE(program.form.findChildren<QWidget *>("is1").size(), 1);
    QCOMPARE(program.window("is1"), first);
    QVERIFY(first->isVisible());
    QVERIFY(first->isWindow());
}

void TestTagDialogs::enterAndEscapeDoNothingSpecial()
{
    Program program;
    program.show();
    program.trigger("mnuisindex");
    auto prompt = program.find<QLineEdit>("Text1", "is1");
    prompt->setText("x");
    QTest::keyClick(prompt, Qt::Key_Return);
    QTest::keyClick(prompt, Qt::Key_Enter);
    QTest::keyClick(prompt, Qt::Key_Escape);
    QCOMPARE(program.bytes(), QByteArray());
    QVERIFY(program.window("is1")->isVisible());
    QCOMPARE(prompt->text(), QString("x"));
    QVERIFY(!program.find<QPushButton>("Command2", "is1")->isDefault());
    QVERIFY(!program.find<QPushButton>("Command2", "is1")->autoDefault());
}

void TestTagDialogs::tabOrderIsFieldsThenCancelThenOk()
{
    Program program;
    program.trigger("mnuisindex");
    QWidget *dialog = program.window("is1");
    QCOMPARE(tabStops(dialog, 4), QStringList({"Text1", "Text2", "Command1", "Command2"}));
    QCOMPARE(dialog->windowTitle(), QString("IsIndex"));
}

void TestTagDialogs::colourCode_data()
{
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<QString>("code");
    QTest::newRow("red") << QColor(255, 0, 0) << "FF0000";
    QTest::newRow("red first") << QColor(18, 52, 86) << "123456";
    QTest::newRow("upper case") << QColor(171, 205, 239) << "ABCDEF";
    QTest::newRow("black") << QColor(0, 0, 0) << "000000";
}

void TestTagDialogs::colourCode()
{
    QFETCH(QColor, colour);
    QFETCH(QString, code);
    QCOMPARE(::colourCode(colour), code);
}

void TestTagDialogs::attributeRule_data()
{
    QTest::addColumn<int>("form"); // a Value
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("expected");
    const int quoted = int(Value::Quoted);
    const int bare = int(Value::Bare);
    QTest::newRow("quoted, only its quote escaped")
        << quoted << "He said \"hi\" & 'left' <b>" << "X=\"He said &quot;hi&quot; & 'left' <b>\"";
    QTest::newRow("bare") << bare << "50%" << "X=50%";
    QTest::newRow("bare with a blank") << bare << "a b" << "X=\"a b\"";
    QTest::newRow("bare with >") << bare << "a>b" << "X=\"a>b\"";
    QTest::newRow("bare with a quote") << bare << "a\"b" << "X=\"a&quot;b\"";
    QTest::newRow("bare with an apostrophe") << bare << "it's" << "X=\"it's\"";
    QTest::newRow("colour as typed") << int(Value::Colour) << "F0 \"" << "X=#F0 \"";
}

void TestTagDialogs::attributeRule()
{
    QFETCH(int, form);
    QFETCH(QString, value);
    QFETCH(QString, expected);
    QCOMPARE(written(Attribute{"X", Value(form), {}}, value), expected);
}

QTEST_MAIN(TestTagDialogs)
#include "tst_tagdialogs.moc"
