#include "support/modal.h"
#include "support/program.h"

#include <Qsci/qsciscintilla.h>

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>

// The Replace window: Find's search with "&Replace" and "Replace A&ll".
namespace {
// Opens the window and fills its two texts and its options ("Option1 Check1").
void fill(Program &program, const QString &text, const QString &replacement,
          const QString &options)
{
    program.trigger("mnureplace");
    program.find<QLineEdit>("Findit", "Replace")->setText(text);
    program.find<QLineEdit>("Replacewith", "Replace")->setText(replacement);
    for (const QString &option : options.split(' '))
        program.click(option, "Replace");
}

QString shownCount(Program &program)
{
    return program.find<QLabel>("Label3", "Replace")->text();
}
} // namespace

class TestReplace : public QObject
{
    Q_OBJECT

private slots:
    void windowShowsItsControls();
    void replaceAll_data();
    void replaceAll();
    void replaceAllRefusesWhatItCannotSearch_data();
    void replaceAllRefusesWhatItCannotSearch();
    void replaceAllIsOneUndoStep();
    void cancelledReplaceAllChangesNothing();
    void replaceAllStoppedWhileReplacingChangesNothing();
    void replaceAllKeepsCaretAndView_data();
    void replaceAllKeepsCaretAndView();
    void replaceTakesAnOccurrenceAndMovesOn_data();
    void replaceTakesAnOccurrenceAndMovesOn();
    void replacePutsInGroups();
    void cancelHidesAndKeepsFieldsAndOption();
    void accessKeysOfTheWindow();
};

void TestReplace::windowShowsItsControls()
{
    Program program;
    program.show();
    program.key(Qt::Key_R, Qt::ControlModifier);
    QWidget *window = program.window("Replace");
    QVERIFY(window->isVisible());
    QVERIFY(!window->isModal());
    QCOMPARE(window->windowTitle(), QString("Replace..."));
    const QStringList labels{program.find<QLabel>("Label1", "Replace")->text(),
                             program.find<QLabel>("Label2", "Replace")->text()};
    QCOMPARE(labels, QStringList({"Find what:", "Replace with:"}));
    QStringList buttons;
    for (const char *name : {"matchcase", "Option1", "Option2", "Check1", "findnext", "replace",
                             "replaceall", "Cancel"})
        buttons << program.find<QAbstractButton>(name, "Replace")->text();
    QCOMPARE(buttons, QStringList({"Match Case", "Whole word only", "None of the above...",
                                   "Regular e&xpression", "&Find next", "&Replace",
                                   "Replace A&ll", "C&ancel"}));
    QVERIFY(program.find<QRadioButton>("Option2", "Replace")->isChecked());
    QCOMPARE(program.find<QLineEdit>("Findit", "Replace")->text(), QString());
    QCOMPARE(program.find<QLineEdit>("Replacewith", "Replace")->text(), QString());
}

void TestReplace::replaceAll_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("replacement");
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("after");
    QTest::addColumn<QString>("count");

    const QByteArray page = "<TD>td</td> TDs <td>";
    QTest::newRow("none of the above") << "Option2" << "td" << "TH" << page
        << QByteArray("<TH>TH</TH> THs <TH>") << "5 replaced";
    QTest::newRow("match case") << "matchcase" << "td" << "th" << page
        << QByteArray("<TD>th</th> TDs <th>") << "3 replaced";
    QTest::newRow("whole word only") << "Option1" << "TD" << "TH" << page
        << QByteArray("<TH>TH</TH> TDs <TH>") << "4 replaced";
    QTest::newRow("replacement holds the text") << "Option2" << "a" << "aa" << QByteArray("a-a")
        << QByteArray("aa-aa") << "2 replaced";
    // Far more than Replace All changes in one piece, some close together, some not.
    QByteArray spread;
    for (int i = 0; i < 3000; ++i)
        spread += "cell" + QByteArray(i % 100, i % 7 ? ' ' : '\n');
    QTest::newRow("occurrences near and far apart") << "matchcase" << "cell" << "CELL TEXT"
        << spread << QByteArray(spread).replace("cell", "CELL TEXT") << "3000 replaced";
    QTest::newRow("Windows-1252 page") << "matchcase" << QString::fromUtf8("caf\u00e9")
        << QString::fromUtf8("th\u00e9") << QByteArray("caf\xe9, Caf\xe9")
        << QByteArray("th\xe9, Caf\xe9") << "1 replaced";
    QTest::newRow("nothing found") << "Option2" << "tr" << "th" << page << page
        << "Nothing found";
    QTest::newRow("nothing to find") << "Option2" << "" << "th" << page << page
        << "Nothing found";

    QTest::newRow("every FONT tag whatever its attributes") << "Option2 Check1"
        << "<FONT[^>]*>(.*?)</FONT>" << "\\1"
        << QByteArray("<FONT SIZE=2>a</FONT> and <font color=red>b</font>")
        << QByteArray("a and b") << "2 replaced";
    QTest::newRow("$1, and \\\\ and $$ for themselves") << "Option2 Check1" << "(\\d+)"
        << "<$1\\\\$$>" << QByteArray("1 22") << QByteArray("<1\\$> <22\\$>") << "2 replaced";
    QTest::newRow("^ at every line start") << "Option2 Check1" << "^" << "> "
        << QByteArray("a\rb\nc\r\nd") << QByteArray("> a\r> b\n> c\r\n> d") << "4 replaced";
    QTest::newRow("$ at every line end") << "Option2 Check1" << "$" << ";"
        << QByteArray("a\rb\nc\r\nd") << QByteArray("a;\rb;\nc;\r\nd;") << "4 replaced";
    QTest::newRow("empty matches, a character on each time") << "Option2 Check1" << "x*" << "-"
        << QByteArray("ax") << QByteArray("-a--") << "3 replaced";
    QTest::newRow("pattern, whole words") << "Option1 Check1" << "cel+" << "X"
        << QByteArray("cells cel cell") << QByteArray("cells X X") << "2 replaced";
    QTest::newRow("pattern, match case") << "matchcase Check1" << "T(d)" << "[\\1]"
        << QByteArray("TD Td td") << QByteArray("TD [d] td") << "1 replaced";
    QTest::newRow("pattern, Windows-1252 page") << "Option2 Check1" << "f(.)" << "F\\1\\1"
        << QByteArray("caf\xe9 CAF\xc9") << QByteArray("caF\xe9\xe9 CAF\xc9\xc9")
        << "2 replaced";
}

void TestReplace::replaceAll()
{
    QFETCH(QString, option);
    QFETCH(QString, text);
    QFETCH(QString, replacement);
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);
    QFETCH(QString, count);

    Program program;
    program.editor().setBytes(before);
    fill(program, text, replacement, option);
    program.click("replaceall", "Replace");
    QCOMPARE(program.bytes(), after);
    QCOMPARE(shownCount(program), count);
    static_cast<QsciScintilla *>(program.textArea())->undo();
    QCOMPARE(program.bytes(), before);
}

void TestReplace::replaceAllRefusesWhatItCannotSearch_data()
{
    QTest::addColumn<QByteArray>("page");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("replacement");
    QTest::addColumn<QString>("message");

    QTest::newRow("not a valid regular expression")
        << QByteArray("a{2,1}") << "a{2,1}" << "b"
        << "The regular expression is not valid.\r"
           "At character 6: numbers out of order in {} quantifier.";
    QTest::newRow("past the match limit")
        << "x\n" + QByteArray(30, 'a') + "!\n" << "(a+)+$" << "b"
        << "The search for the regular expression gave up from line 1 on: match limit "
           "exceeded. Nothing was changed.";
    QTest::newRow("a character Windows-1252 has not")
        << QByteArray("caf\xe9 \x80") << QString::fromUtf8("\u20ac|\u2192") << "b"
        << QString::fromUtf8("The regular expression holds \"\u2192\", which a Windows-1252 "
                             "page cannot hold.");
    QTest::newRow("a group the pattern has not") << QByteArray("ab") << "(a)" << "\\2"
        << "The replacement names group 2, which the regular expression does not have.";
}

void TestReplace::replaceAllRefusesWhatItCannotSearch()
{
    QFETCH(QByteArray, page);
    QFETCH(QString, text);
    QFETCH(QString, replacement);
    QFETCH(QString, message);

    Program program;
    program.editor().setBytes(page);
    fill(program, text, replacement, "Option2 Check1");
    program.click("replaceall", "Replace");
    QCOMPARE(program.dialogs.messages, QStringList(message));
    QCOMPARE(program.bytes(), page);
    QCOMPARE(shownCount(program), QString());
}

void TestReplace::replaceAllIsOneUndoStep()
{
    Program program;
    program.show();
    program.type("one two one two one");
    fill(program, "one", "1", "Option2");
    program.click("replaceall", "Replace");
    QCOMPARE(program.bytes(), QByteArray("1 two 1 two 1"));
    QVERIFY(program.form.document().changed);

    program.editor().setFocus();
    program.key(Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(program.bytes(), QByteArray("one two one two one"));
    program.key(Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(program.bytes(), QByteArray("1 two 1 two 1"));
}

void TestReplace::cancelledReplaceAllChangesNothing()
{
    const QByteArray page = QByteArray("<TD>cell</TD>\n").repeated(100000);
    Program program;
    program.show();
    program.editor().setBytes(page);
    program.type("x");
    program.form.setProgressDelay(0);
    fill(program, "c(el)l", "C\\1L", "Option2 Check1");
    QString label;
    onShow<QProgressDialog>([&](QProgressDialog *progress) {
        label = progress->labelText();
        QMetaObject::invokeMethod(progress, &QProgressDialog::cancel, Qt::QueuedConnection);
    });
    program.click("replaceall", "Replace");
    QCOMPARE(label, QString("Replacing..."));
    QCOMPARE(program.bytes(), "x" + page);
    QCOMPARE(shownCount(program), QString());
    QVERIFY(program.dialogs.messages.isEmpty());
}

void TestReplace::replaceAllStoppedWhileReplacingChangesNothing()
{
    const QByteArray page = QByteArray("<TD>cell</TD>\n").repeated(100000);
    Program program;
    program.show();
    program.editor().setBytes(page);
    program.type("x");
    const auto halfway = [](qint64 done, qint64 total) { return done < total * 3 / 4; };
    QVERIFY(!program.editor().replaceAll("c(el)l", "C\\1L", Editor::RegularExpression, halfway));
    QCOMPARE(program.bytes(), "x" + page);

    // The undo history is as it was: Ctrl+Z takes back the typing before.
    program.key(Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(program.bytes(), page);
}

void TestReplace::replaceAllKeepsCaretAndView_data()
{
    QTest::addColumn<int>("column"); // of the caret on a line "<TD>cell</TD> <TD>cell</TD>"
    QTest::addColumn<int>("movedTo"); // once "cell" is "CELL TEXT"

    QTest::newRow("at the start of the line") << 1 << 1;
    QTest::newRow("before an occurrence") << 5 << 5;
    QTest::newRow("inside an occurrence") << 7 << 5;
    QTest::newRow("just behind one") << 9 << 14;
    QTest::newRow("at the end of the line") << 28 << 38;
}

void TestReplace::replaceAllKeepsCaretAndView()
{
    QFETCH(int, column);
    QFETCH(int, movedTo);

    QByteArray page;
    for (int line = 0; line < 6000; ++line)
        page += "<TD>cell</TD> <TD>cell</TD>\n";
    Program program;
    program.show();
    program.editor().setBytes(page);
    auto &area = *static_cast<QsciScintilla *>(program.textArea());
    program.editor().setCaret({3000, column});
    area.SendScintilla(QsciScintilla::SCI_SETFIRSTVISIBLELINE, 2990UL);

    fill(program, "cell", "CELL TEXT", "matchcase");
    program.click("replaceall", "Replace");
    QCOMPARE(program.bytes(), QByteArray(page).replace("cell", "CELL TEXT"));
    QCOMPARE(program.editor().caretPosition().line, 3000);
    QCOMPARE(program.editor().caretPosition().column, movedTo);
    QCOMPARE(area.SendScintilla(QsciScintilla::SCI_DOCLINEFROMVISIBLE,
                                area.SendScintilla(QsciScintilla::SCI_GETFIRSTVISIBLELINE)),
             2990L);

    program.editor().setFocus();
    program.key(Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(program.bytes(), page);
}

void TestReplace::replaceTakesAnOccurrenceAndMovesOn_data()
{
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("afterFirst");
    QTest::addColumn<QByteArray>("afterSecond");
    QTest::addColumn<QString>("selectedAtEnd");

    // The first press only finds the first occurrence: nothing was selected yet.
    QTest::newRow("none of the above") << "Option2" << "cell"
        << QByteArray("Cell cells cell") << QByteArray("<TD> cells cell") << "cell";
    QTest::newRow("match case") << "matchcase" << "cell"
        << QByteArray("Cell cells cell") << QByteArray("Cell <TD>s cell") << "cell";
    QTest::newRow("whole word only") << "Option1" << "cell"
        << QByteArray("Cell cells cell") << QByteArray("<TD> cells cell") << "cell";
}

void TestReplace::replaceTakesAnOccurrenceAndMovesOn()
{
    QFETCH(QString, option);
    QFETCH(QString, text);
    QFETCH(QByteArray, afterFirst);
    QFETCH(QByteArray, afterSecond);
    QFETCH(QString, selectedAtEnd);

    Program program;
    program.editor().setBytes("Cell cells cell");
    fill(program, text, "<TD>", option);
    program.click("replace", "Replace");
    QCOMPARE(program.bytes(), afterFirst);
    program.click("replace", "Replace");
    QCOMPARE(program.bytes(), afterSecond);
    QCOMPARE(program.editor().selectedText(), selectedAtEnd);
    QCOMPARE(shownCount(program), QString());
}

void TestReplace::replacePutsInGroups()
{
    Program program;
    program.editor().setBytes("a1 b2");
    fill(program, "(\\w)(\\d)", "$2\\1", "Option2 Check1");
    program.click("replace", "Replace");
    program.click("replace", "Replace");
    QCOMPARE(program.bytes(), QByteArray("1a b2"));
    program.click("replace", "Replace");
    QCOMPARE(program.bytes(), QByteArray("1a 2b"));
}

void TestReplace::cancelHidesAndKeepsFieldsAndOption()
{
    Program program;
    fill(program, "old", "new", "Option1");
    program.click("Cancel", "Replace");
    QVERIFY(!program.window("Replace")->isVisible());

    program.trigger("mnureplace");
    QVERIFY(program.window("Replace")->isVisible());
    QCOMPARE(program.find<QLineEdit>("Findit", "Replace")->text(), QString("old"));
    QCOMPARE(program.find<QLineEdit>("Replacewith", "Replace")->text(), QString("new"));
    QVERIFY(program.find<QRadioButton>("Option1", "Replace")->isChecked());
    // The Find window keeps its own fields.
    program.trigger("mnufind");
    QCOMPARE(program.find<QLineEdit>("Findit", "Find")->text(), QString());
}

void TestReplace::accessKeysOfTheWindow()
{
    Program program;
    program.show();
    program.editor().setBytes("a a");
    fill(program, "a", "b", "Option2");
    QWidget *window = program.window("Replace");
    QTRY_COMPARE(QApplication::activeWindow(), window);
    QTest::keyClick(window, Qt::Key_L, Qt::AltModifier);
    QTRY_COMPARE(program.bytes(), QByteArray("b b"));
    QTest::keyClick(window, Qt::Key_X, Qt::AltModifier);
    QTRY_VERIFY(program.find<QCheckBox>("Check1", "Replace")->isChecked());
    QTest::keyClick(window, Qt::Key_A, Qt::AltModifier);
    QTRY_VERIFY(!window->isVisible());
}

QTEST_MAIN(TestReplace)
#include "tst_replace.moc"
