#include "support/program.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

// Tools › Check HTML: HTML Tidy's findings about the editor's text, one row each.
namespace {
// Three lines: what follows starts on line 4.
const QByteArray head = "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 3.2//EN\">\n"
                        "<TITLE>Page</TITLE>\n<BODY>\n";

// The findings, once the check has shown them.
QStringList rows(Program &program)
{
    QStringList texts;
    auto list = program.find<QListWidget>("List1", "check1");
    if (!QTest::qWaitFor([list] { return list->count() > 0; }, 20000))
        return texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text();
    return texts;
}
} // namespace

class TestHtmlCheck : public QObject
{
    Q_OBJECT

private slots:
    void windowShowsItsControls();
    void findings_data();
    void findings();
    void choosingARowMovesTheCaret_data();
    void choosingARowMovesTheCaret();
    void findingsAreWhereTheEditorHasThem_data();
    void findingsAreWhereTheEditorHasThem();
    void pageBuiltWithTheProgramsCommandsIsClean();
    void checkingAgainSeesTheNewText();
    void typingGoesOnDuringACheck();
    void aNewerCheckReplacesTheOlder();
};

void TestHtmlCheck::windowShowsItsControls()
{
    Program program;
    program.show();
    program.key(Qt::Key_F7);
    QWidget *window = program.window("check1");
    QVERIFY(window->isVisible());
    QVERIFY(!window->isModal());
    QCOMPARE(window->windowTitle(), QString("HTML Check"));
    QCOMPARE(program.find<QPushButton>("Command1", "check1")->text(), QString("&Close"));
    program.click("Command1", "check1");
    QVERIFY(!window->isVisible());
}

void TestHtmlCheck::findings_data()
{
    QTest::addColumn<QByteArray>("page");
    QTest::addColumn<QStringList>("rows");

    QTest::newRow("one fault") << head + "<P>one\n<P>two <FOO>three\n"
        << QStringList{"Line 5, column 8: Error: <foo> is not recognized!",
                       "Line 5, column 8: Warning: discarding unexpected <foo>"};
    // Tidy tells of the obsolete element only at the end of its report.
    QTest::newRow("document order") << head + "<XMP>x</XMP>\n<FOO>\n"
        << QStringList{"Line 4, column 1: Warning: replacing obsolete element <xmp> with <pre>",
                       "Line 5, column 1: Error: <foo> is not recognized!",
                       "Line 5, column 1: Warning: discarding unexpected <foo>"};
    QTest::newRow("characters and tabs are one column each")
        << head + "\t\xc3\xa9<FOO>\n"
        << QStringList{"Line 4, column 3: Error: <foo> is not recognized!",
                       "Line 4, column 3: Warning: discarding unexpected <foo>"};
    QTest::newRow("Windows-1252 page") << head + "caf\xe9 <FOO>\n"
        << QStringList{"Line 4, column 6: Error: <foo> is not recognized!",
                       "Line 4, column 6: Warning: discarding unexpected <foo>"};
    QTest::newRow("clean") << head + "<P>text\n"
                           << QStringList{"No problems found."};
}

void TestHtmlCheck::findings()
{
    QFETCH(QByteArray, page);
    QFETCH(QStringList, rows);

    Program program;
    program.editor().setBytes(page);
    program.trigger("mnucheck");
    QCOMPARE(::rows(program), rows);
    QCOMPARE(program.bytes(), page);
}

void TestHtmlCheck::choosingARowMovesTheCaret_data()
{
    QTest::addColumn<bool>("doubleClick");

    QTest::newRow("Enter") << false;
    QTest::newRow("double-click") << true;
}

void TestHtmlCheck::choosingARowMovesTheCaret()
{
    QFETCH(bool, doubleClick);

    Program program;
    program.show();
    program.editor().setBytes(head + "<P>one <B>two</I>\n<P>three\n");
    program.trigger("mnucheck");
    auto list = program.find<QListWidget>("List1", "check1");
    QCOMPARE(rows(program).size(), 1);
    QCOMPARE(rows(program).first(), QString("Line 4, column 8: Warning: replacing unexpected i "
                                            "with </i>"));
    if (doubleClick) {
        // A double-click is a click and then the double-click event.
        const QPoint row = list->visualItemRect(list->item(0)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, row);
    } else {
        QTest::keyClick(list, Qt::Key_Return);
    }
    QCOMPARE(program.find<QLabel>("Bar1Caret")->text(), QString("Ln 4, Col 8"));
    QCOMPARE(program.editor().selectionLength(), 0);
}

// Whatever the line ends, and after a byte-order mark, which the editor counts as the first
// line's first character: a finding's line and column are the status bar's, and Enter on
// it puts the caret there.
void TestHtmlCheck::findingsAreWhereTheEditorHasThem_data()
{
    QTest::addColumn<QByteArray>("start");
    QTest::addColumn<QByteArray>("lineEnd");
    QTest::addColumn<int>("column"); // of the fault on line 1

    QTest::newRow("LF") << QByteArray() << QByteArray("\n") << 8;
    QTest::newRow("CRLF") << QByteArray() << QByteArray("\r\n") << 8;
    QTest::newRow("CR") << QByteArray() << QByteArray("\r") << 8;
    QTest::newRow("byte-order mark") << QByteArray("\xef\xbb\xbf") << QByteArray("\n") << 9;
}

void TestHtmlCheck::findingsAreWhereTheEditorHasThem()
{
    QFETCH(QByteArray, start);
    QFETCH(QByteArray, lineEnd);
    QFETCH(int, column);

    Program program;
    program.show();
    program.editor().setBytes(start + "<P>one <FOO>x" + lineEnd + "<P>two <FOO>y" + lineEnd);
    program.trigger("mnucheck");
    const QStringList faults = rows(program).filter("Error: <foo>");
    QCOMPARE(faults, QStringList({QString("Line 1, column %1: Error: <foo> is not recognized!")
                                      .arg(column),
                                  "Line 2, column 8: Error: <foo> is not recognized!"}));
    auto list = program.find<QListWidget>("List1", "check1");
    for (int line = 1; line <= 2; ++line) {
        list->setCurrentItem(list->findItems(faults[line - 1], Qt::MatchExactly).first());
        QTest::keyClick(list, Qt::Key_Return);
        QCOMPARE(program.find<QLabel>("Bar1Caret")->text(),
                 QString("Ln %1, Col %2").arg(line).arg(line == 1 ? column : 8));
        const long caret = program.editor().caretOffset();
        QCOMPARE(program.editor().heldRange(caret, caret + 5), QByteArray("<FOO>"));
    }
}

void TestHtmlCheck::pageBuiltWithTheProgramsCommandsIsClean()
{
    Program program;
    program.trigger("mnuhtmlwiz2");
    program.find<QComboBox>("Combo1", "htmlwiz1")->setCurrentText("<!DOCTYPE HTML PUBLIC "
                                                                  "\"-//W3C//DTD HTML 3.2//EN\">");
    program.find<QLineEdit>("Text1", "htmlwiz1")->setText("My page");
    program.click("Command2", "htmlwiz1");
    const QStringList commands{"mnublink", "mnumath", "mnuarray", "mnuabove", "mnubelow",
                               "mnuover", "mnuroot", "mnusqroot", "mnuabbrev", "mnuperson",
                               "mnusample", "mnucenter", "mnucom", "mnubig"};
    for (const QString &command : commands)
        program.trigger(command);
    for (const QString &dialog : {"mar1", "spacer1", "multicol1"}) {
        program.form.showWindow(dialog);
        program.click("Command2", dialog);
    }
    program.trigger("mnuend");
    const QByteArray page = program.bytes();
    for (const char *tag : {"<MARQUEE", "<SPACER", "<MULTICOL", "<ARRAY>", "<SQRT>"})
        QVERIFY2(page.contains(tag), tag);

    program.trigger("mnucheck");
    QCOMPARE(rows(program), QStringList({"No problems found."}));
    QCOMPARE(program.bytes(), page);
}

void TestHtmlCheck::checkingAgainSeesTheNewText()
{
    Program program;
    program.show();
    program.editor().setBytes(head + "<FOO>\n");
    program.trigger("mnucheck");
    QCOMPARE(rows(program).size(), 2);
    program.editor().setBytes(head + "");
    program.trigger("mnucheck");
    QCOMPARE(rows(program), QStringList({"No problems found."}));
}

namespace {
// A page Tidy takes a while over, with one fault at its end.
QByteArray largePage()
{
    return head + QByteArray("<P>text <B>bold</B> and <A HREF=\"x.htm\">a link</A>\n").repeated(60000)
           + "<FOO>\n";
}
} // namespace

// The check runs beside the window: the key typed after F7 goes in before the findings
// come, the window says when it is still working and that the findings are about the
// text as it was.
void TestHtmlCheck::typingGoesOnDuringACheck()
{
    Program program;
    program.show();
    const QByteArray page = largePage();
    program.editor().setBytes(page);
    program.key(Qt::Key_F7);
    auto list = program.find<QListWidget>("List1", "check1");
    auto label = program.find<QLabel>("Label1", "check1");
    QCOMPARE(list->count(), 0);
    program.show();
    program.type("x");
    QCOMPARE(program.bytes(), "x" + page);
    QCOMPARE(list->count(), 0);
    QTRY_COMPARE_WITH_TIMEOUT(label->text(), QString("The page has changed since the check "
                                                     "began: lines and columns are those of "
                                                     "the text as it was then."),
                              20000);
    QCOMPARE(rows(program).last(), QString("Line 60004, column 1: Warning: discarding "
                                           "unexpected <foo>"));
    QVERIFY(label->isVisible());
}

// F7 again while a check works: only the findings about the newer text are shown.
void TestHtmlCheck::aNewerCheckReplacesTheOlder()
{
    Program program;
    program.show();
    program.editor().setBytes(largePage());
    program.trigger("mnucheck");
    program.editor().setBytes(head + "<BAR>\n");
    program.trigger("mnucheck");
    const QStringList newer{"Line 4, column 1: Error: <bar> is not recognized!",
                            "Line 4, column 1: Warning: discarding unexpected <bar>"};
    QCOMPARE(rows(program), newer);
    QTest::qWait(1000); // the older check, had it gone on, would have ended by now
    QCOMPARE(rows(program), newer);
    QVERIFY(!program.find<QLabel>("Label1", "check1")->isVisible());
}

QTEST_MAIN(TestHtmlCheck)
#include "tst_htmlcheck.moc"
