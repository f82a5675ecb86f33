#include "support/program.h"

#include <Qsci/qsciscintilla.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>

// The Find window: its controls, its three options and where "&Find next" goes.
namespace {
struct Selection
{
    int start;
    int end;
};

Selection selection(Program &program)
{
    auto area = qobject_cast<QsciScintilla *>(program.textArea());
    return {int(area->SendScintilla(QsciScintilla::SCI_GETSELECTIONSTART)),
            int(area->SendScintilla(QsciScintilla::SCI_GETSELECTIONEND))};
}

// Types into the Find window's text, picks an option and presses "&Find next".
void findNext(Program &program, const QString &text, const QString &option = "Option2")
{
    program.trigger("mnufind");
    program.find<QLineEdit>("Findit", "Find")->setText(text);
    program.click(option, "Find");
    program.click("findnext", "Find");
}
} // namespace

class TestFind : public QObject
{
    Q_OBJECT

private slots:
    void windowShowsItsControls();
    void ctrlFShowsTheWindowInFront();
    void optionsAreOneGroup();
    void matchCase();
    void wholeWordOnly();
    void findsUnderEachOption_data();
    void findsUnderEachOption();
    void findNextMovesOnAndWrapsRound();
    void missingTextLeavesTheSelection();
    void emptyTextFindsNothing();
    void cancelHidesAndKeepsTextAndOption();
    void altFPressesFindNextNotTheFileMenu();
    void findWorksInWindows1252Documents();
    void regularExpression_data();
    void regularExpression();
    void invalidRegularExpressionSaysWhy();
};

void TestFind::windowShowsItsControls()
{
    Program program;
    program.trigger("mnufind");
    QWidget *window = program.window("Find");
    QVERIFY(window->isVisible());
    QCOMPARE(window->windowTitle(), QString("Find..."));
    QCOMPARE(program.find<QLabel>("Label1", "Find")->text(), QString("Find what:"));
    QCOMPARE(program.find<QLineEdit>("Findit", "Find")->text(), QString());
    QCOMPARE(program.find<QRadioButton>("matchcase", "Find")->text(), QString("Match Case"));
    QCOMPARE(program.find<QRadioButton>("Option1", "Find")->text(), QString("Whole word only"));
    QCOMPARE(program.find<QRadioButton>("Option2", "Find")->text(),
             QString("None of the above..."));
    QVERIFY(program.find<QRadioButton>("Option2", "Find")->isChecked());
    QCOMPARE(program.find<QCheckBox>("Check1", "Find")->text(), QString("Regular e&xpression"));
    QVERIFY(!program.find<QCheckBox>("Check1", "Find")->isChecked());
    QCOMPARE(program.find<QPushButton>("findnext", "Find")->text(), QString("&Find next"));
    QCOMPARE(program.find<QPushButton>("Cancel", "Find")->text(), QString("C&ancel"));
    QVERIFY(!window->isModal());
}

void TestFind::ctrlFShowsTheWindowInFront()
{
    Program program;
    program.show();
    program.key(Qt::Key_F, Qt::ControlModifier);
    QWidget *window = program.window("Find");
    QVERIFY(window);
    QVERIFY(window->isVisible());
    QVERIFY(window->isWindow());
    QCOMPARE(window->parentWidget(), &program.form);
}

void TestFind::optionsAreOneGroup()
{
    Program program;
    program.trigger("mnufind");
    program.click("Option1", "Find");
    QVERIFY(program.find<QRadioButton>("Option1", "Find")->isChecked());
    QVERIFY(!program.find<QRadioButton>("Option2", "Find")->isChecked());
    program.click("matchcase", "Find");
    QVERIFY(!program.find<QRadioButton>("Option1", "Find")->isChecked());
    QVERIFY(!program.find<QRadioButton>("Option2", "Find")->isChecked());
}

void TestFind::matchCase()
{
    Program program;
    program.type("<table> is a table");
    program.key(Qt::Key_Home);

    findNext(program, "Table", "matchcase");
    QCOMPARE(program.editor().selectedText(), QString());

    findNext(program, "Table", "Option2");
    QCOMPARE(program.editor().selectedText(), QString("table"));
    QCOMPARE(selection(program).start, 1);

    findNext(program, "table", "matchcase");
    QCOMPARE(selection(program).start, 13);
}

void TestFind::wholeWordOnly()
{
    Program program;
    program.type("tables, table");
    program.key(Qt::Key_Home);

    findNext(program, "table", "Option1");
    QCOMPARE(selection(program).start, 8);
    QCOMPARE(selection(program).end, 13);

    // Typing replaces the found text like any selection.
    program.type("row");
    QCOMPARE(program.bytes(), QByteArray("tables, row"));
}

void TestFind::findsUnderEachOption_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("insertAt"); // then typed there, the caret after it
    QTest::addColumn<QString>("inserted");
    QTest::addColumn<QString>("needle");
    QTest::addColumn<QString>("option");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("end");

    QTest::newRow("case ignored") << "A TaBLe" << 0 << "" << "tAbLE" << "Option2" << 2 << 7;
    QTest::newRow("letters beyond ASCII")
        << QString::fromUtf8("x CAF\u00c9 caf\u00e9") << 0 << "" << QString::fromUtf8("cAf\u00e9")
        << "Option2" << 8 << 13;
    QTest::newRow("word after a part word") << "ends end" << 0 << "" << "END" << "Option1" << 5 << 8;
    QTest::newRow("around the last edit, wrapping round")
        << "abcdef" << 3 << "Z" << "cZd" << "matchcase" << 2 << 5;
    QTest::newRow("after a near miss") << "abcabd" << 0 << "" << "abd" << "Option2" << 3 << 6;
}

void TestFind::findsUnderEachOption()
{
    QFETCH(QString, typed);
    QFETCH(int, insertAt);
    QFETCH(QString, inserted);
    QFETCH(QString, needle);
    QFETCH(QString, option);
    QFETCH(int, start);
    QFETCH(int, end);
    Program program;
    program.type(typed);
    program.key(Qt::Key_Home);
    for (int i = 0; i < insertAt; ++i)
        program.key(Qt::Key_Right);
    program.type(inserted);

    findNext(program, needle, option);
    QCOMPARE(selection(program).start, start);
    QCOMPARE(selection(program).end, end);
}

void TestFind::findNextMovesOnAndWrapsRound()
{
    Program program;
    program.type("ab xx ab xx ab");
    program.key(Qt::Key_Home);
    findNext(program, "ab");
    QCOMPARE(selection(program).start, 0);

    QList<int> starts;
    for (int i = 0; i < 3; ++i) {
        program.click("findnext", "Find");
        starts << selection(program).start;
    }
    QCOMPARE(starts, (QList<int>{6, 12, 0}));
    QVERIFY(program.window("Find")->isVisible());
}

void TestFind::missingTextLeavesTheSelection()
{
    Program program;
    program.type("one two three");
    program.key(Qt::Key_Home);
    findNext(program, "two");
    findNext(program, "four");
    QCOMPARE(program.editor().selectedText(), QString("two"));
    QCOMPARE(selection(program).start, 4);
    QVERIFY(program.dialogs.messages.isEmpty());
    QCOMPARE(program.bytes(), QByteArray("one two three"));
}

void TestFind::emptyTextFindsNothing()
{
    Program program;
    program.type("text");
    findNext(program, "");
    QCOMPARE(program.editor().selectedText(), QString());
    QCOMPARE(selection(program).start, 4);
}

void TestFind::cancelHidesAndKeepsTextAndOption()
{
    Program program;
    program.trigger("mnufind");
    program.find<QLineEdit>("Findit", "Find")->setText("Needle ");
    program.click("matchcase", "Find");
    program.click("Cancel", "Find");
    QVERIFY(!program.window("Find")->isVisible());

    program.trigger("mnufind");
    QVERIFY(program.window("Find")->isVisible());
    QCOMPARE(program.find<QLineEdit>("Findit", "Find")->text(), QString("Needle "));
    QVERIFY(program.find<QRadioButton>("matchcase", "Find")->isChecked());

    program.type("a needle Needle b");
    program.key(Qt::Key_Home);
    program.click("findnext", "Find");
    QCOMPARE(selection(program).start, 9);
}

void TestFind::altFPressesFindNextNotTheFileMenu()
{
    Program program;
    program.show();
    program.type("one two");
    program.key(Qt::Key_Home);
    program.trigger("mnufind");
    QWidget *window = program.window("Find");
    window->activateWindow();
    QTRY_VERIFY(window->isActiveWindow());
    auto text = program.find<QLineEdit>("Findit", "Find");
    text->setText("two");

    QTest::keyClick(text, Qt::Key_F, Qt::AltModifier);

    // A mnemonic presses its button with a short animation.
    QTRY_COMPARE(program.editor().selectedText(), QString("two"));
    QVERIFY(!program.find<QMenu>("mnufile")->isVisible());
}

void TestFind::findWorksInWindows1252Documents()
{
    Program program;
    program.editor().setBytes("caf\xe9 and more caf\xe9");
    findNext(program, QString::fromUtf8("caf\u00e9"));
    QCOMPARE(selection(program).start, 0);
    QCOMPARE(program.editor().selectedText(), QString::fromUtf8("caf\u00e9"));
    program.click("findnext", "Find");
    QVERIFY(selection(program).start > 0);
    QCOMPARE(program.editor().selectedText(), QString::fromUtf8("caf\u00e9"));
}

void TestFind::regularExpression_data()
{
    QTest::addColumn<QByteArray>("page");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("found"); // the selection after each "&Find next"

    QTest::newRow("^ after CR, LF and CR LF")
        << QByteArray("a\rb\nc\r\nd") << "^." << "Option2" << "0-1 2-3 4-5 7-8";
    QTest::newRow("$ before each line end") << QByteArray("ab\rcd\ne\r\n") << "\\w$"
                                            << "Option2" << "1-2 4-5 6-7";
    QTest::newRow("empty matches, a character on each time")
        << QByteArray("ab\nc") << "^" << "Option2" << "3-3 0-0 3-3";
    QTest::newRow("back reference") << QByteArray("<b>x</i> <i>y</i>")
                                    << "<(\\w+)>[^<]*</\\1>" << "Option2" << "9-17";
    QTest::newRow("letters of any script folded")
        << QByteArray("x CAF\xc3\x89") << QString::fromUtf8("caf\u00e9") << "Option2" << "2-7";
    QTest::newRow("match case") << QByteArray("TD Td td") << "t." << "matchcase" << "6-8 6-8";
    QTest::newRow("whole words as the editor judges them")
        << QByteArray("cells cel cell") << "cel+" << "Option1" << "6-9 10-14";
    // Held as UTF-8, where "." is one character.
    QTest::newRow("Windows-1252 page") << QByteArray("caf\xe9 CAF\xc9") << "f." << "Option2"
                                       << "2-5 8-11";
}

void TestFind::regularExpression()
{
    QFETCH(QByteArray, page);
    QFETCH(QString, pattern);
    QFETCH(QString, option);
    QFETCH(QString, found);

    Program program;
    program.editor().setBytes(page);
    program.trigger("mnufind");
    program.click("Check1", "Find");
    findNext(program, pattern, option);
    QStringList selections;
    for (int press = 0; press <= found.count(' '); ++press) {
        if (press > 0)
            program.click("findnext", "Find");
        selections << QString("%1-%2").arg(selection(program).start).arg(selection(program).end);
    }
    QCOMPARE(selections.join(' '), found);
    QVERIFY(program.dialogs.messages.isEmpty());
}

void TestFind::invalidRegularExpressionSaysWhy()
{
    Program program;
    program.type("a(b");
    program.trigger("mnufind");
    program.click("Check1", "Find");
    findNext(program, "(b");
    QCOMPARE(program.dialogs.messages, QStringList("The regular expression is not valid.\r"
                                                   "At its end: missing closing parenthesis."));
    QCOMPARE(selection(program).start, 3);
    QCOMPARE(selection(program).end, 3);
}

QTEST_MAIN(TestFind)
#include "tst_find.moc"
