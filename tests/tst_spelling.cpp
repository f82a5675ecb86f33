#include "support/paints.h"
#include "support/program.h"

#include "app/spellingcommands.h"
#include "document/speller.h"
#include "editor/spellmarks.h"
#include "editor/wordfinder.h"

#include <Qsci/qsciscintilla.h>

#include <QAbstractScrollArea>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QTemporaryDir>

// Spelling: which words of a page are checked, the marks as you type, the Spelling window,
// the right button's suggestions, the page's language and the user's own words.
namespace {
// Small dictionaries of the test's own, so that the system's do not count.
void writeDictionary(const QString &folder, const QString &language, const QStringList &words)
{
    QFile affix(QDir(folder).filePath(language + ".aff"));
    QVERIFY(affix.open(QIODevice::WriteOnly));
    affix.write("SET UTF-8\nTRY esianrtolcdugmphbyfvkwz\n");
    QFile list(QDir(folder).filePath(language + ".dic"));
    QVERIFY(list.open(QIODevice::WriteOnly));
    list.write(QString::number(words.size()).toUtf8() + '\n' + words.join('\n').toUtf8() + '\n');
}

QString userWordsFile()
{
    return QDir(FakeWorld::dataFolder).filePath(QStringLiteral("words.txt"));
}

// The words the wavy underline marks now.
QStringList markedNow(Program &program)
{
    QStringList words;
    for (const TextRange &range : program.editor().misspeltMarks())
        words << QString::fromUtf8(program.editor().heldRange(range.start, range.end));
    return words;
}

// The marked words, once the typing has paused.
QStringList marked(Program &program)
{
    program.form.spellMarks().followPage();
    program.form.speller().waitUntilReady();
    program.form.spellMarks().check();
    return markedNow(program);
}

// What the round of the Spelling window shows once its search rests: the word not in the
// dictionary, else the message at its end.
QString shown(Program &program)
{
    auto word = program.find<QLineEdit>("Text1", "spelling1");
    QWidget *window = program.window("spelling1");
    if (!QTest::qWaitFor([&] { return !window->isVisible() || !word->text().isEmpty(); }))
        return QStringLiteral("(still searching)");
    return window->isVisible() ? word->text() : program.dialogs.messages.value(0);
}
} // namespace

class TestSpelling : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void words_data();
    void words();
    void marks_data();
    void marks();
    void theWordTypedIsMarkedOnceLeft();
    void onlyTheTextOnScreenIsRead();
    void linesUnfoldedAreChecked();
    void spellingWindow_data();
    void spellingWindow();
    void rightButtonSuggests();
    void ownWordsOutliveTheProgram();
    void noDictionary();

private:
    QTemporaryDir m_dictionaries;
};

void TestSpelling::initTestCase()
{
    writeDictionary(m_dictionaries.path(), "en_US",
                    {"a", "cat", "the", "receive", "separate", "page", "hello", "it"});
    writeDictionary(m_dictionaries.path(), "fr", {"bonjour", "le", "chat"});
}

void TestSpelling::init()
{
    FakeWorld::dictionaries = QStringList{m_dictionaries.path()};
    QFile::remove(userWordsFile());
    QVERIFY(firstStart());
}

void TestSpelling::words_data()
{
    QTest::addColumn<QByteArray>("page");
    QTest::addColumn<bool>("windows1252");
    QTest::addColumn<QString>("words"); // each as its characters @ its first byte

    QTest::newRow("text between tags") << QByteArray("<P CLASS=x>One <B>twoo</B>") << false
                                       << "One@11 twoo@18";
    QTest::newRow("alt, title, summary; not href or names")
        << QByteArray("<IMG SRC=\"a.gif\" ALT=\"A cat\"><A HREF=\"seperate.htm\" "
                      "TITLE='Hom'><TABLE SUMMARY=Sales>")
        << false << "A@22 cat@24 Hom@59 Sales@79";
    QTest::newRow("references are characters")
        << QByteArray("caf&eacute; caf&#233; caf&#xE9; café R&amp;D") << false
        << QString::fromUtf8("café@0 café@12 café@22 café@32 R@38 D@44");
    QTest::newRow("comments, directives, script, style")
        << QByteArray("<!-- nott --><!--#echo var=\"x\" -->a<SCRIPT>var zz;</SCRIPT>"
                      "<style>p{}</style><!DOCTYPE html>b")
        << false << "a@34 b@92";
    QTest::newRow("addresses and digits")
        << QByteArray("http://x.org/abc www.abc.com me@x.org mp3 3D don't end.") << false
        << "don't@45 end@51";
    QTest::newRow("begins inside a script") << QByteArray("x = yy;</script>Word") << false
                                            << "Word@16";
    QTest::newRow("Windows-1252") << QByteArray("na\xefve \x93quoted\x94") << true
                                  << QString::fromUtf8("naïve@0 quoted@7");
}

void TestSpelling::words()
{
    QFETCH(QByteArray, page);
    QFETCH(bool, windows1252);
    const Encoding encoding = windows1252 ? Encoding::Windows1252 : Encoding::Utf8;
    QStringList found;
    for (const PageWord &word : findWords(page, encoding))
        found << QStringLiteral("%1@%2").arg(wordText(page, word, encoding)).arg(word.start);
    QTEST(found.join(QLatin1Char(' ')), "words");
}

void TestSpelling::marks_data()
{
    QTest::addColumn<QByteArray>("page");
    QTest::addColumn<QString>("chosen"); // under Options › Spelling Language
    QTest::addColumn<QStringList>("words");

    QTest::newRow("text and ALT, not a comment")
        << QByteArray("<P>A cat recieve.</P><IMG ALT=\"teh page\"><!-- seperate -->") << ""
        << QStringList{"recieve", "teh"};
    QTest::newRow("LANG of HTML picks French")
        << QByteArray("<HTML LANG=\"fr\"><BODY>bonjour hello</BODY></HTML>") << "en_US"
        << QStringList{"hello"};
    QTest::newRow("LANG of BODY") << QByteArray("<HTML><BODY LANG=fr-CA>le chat the cat") << ""
                                  << QStringList{"the", "cat"};
    QTest::newRow("no LANG: English (US)") << QByteArray("bonjour hello") << ""
                                           << QStringList{"bonjour"};
    QTest::newRow("no LANG: the language chosen") << QByteArray("bonjour hello") << "fr"
                                                  << QStringList{"hello"};
    QTest::newRow("LANG without a dictionary") << QByteArray("<HTML LANG=de>bonjour hello")
                                               << "" << QStringList{"bonjour"};
}

void TestSpelling::marks()
{
    QFETCH(QByteArray, page);
    QFETCH(QString, chosen);
    Program program;
    program.show();
    if (!chosen.isEmpty())
        program.trigger("mnuspelllang_" + chosen);
    program.editor().setBytes(page);
    QTEST(marked(program), "words");
    // Checked again as it stands, the screen is not drawn again.
    QApplication::processEvents();
    const Paints paints(static_cast<QAbstractScrollArea *>(program.textArea())->viewport());
    QTEST(marked(program), "words");
    QApplication::processEvents();
    QCOMPARE(paints.any, 0);
}

void TestSpelling::theWordTypedIsMarkedOnceLeft()
{
    Program program;
    program.show();
    program.form.speller().waitUntilReady();
    program.type("A recieve");
    QTest::qWait(400); // the typing pauses
    QVERIFY(program.editor().misspeltMarks().empty());
    program.type(" it");
    QTRY_COMPARE(marked(program), QStringList{"recieve"});
}

// Lines a fold hides and the part of a long wrapped line below the screen are not read, so
// a check costs a screenful however large the page.
void TestSpelling::onlyTheTextOnScreenIsRead()
{
    Program program;
    program.show();
    program.editor().setBytes("<TABLE>\n<TR><TD>recieve</TD></TR>\n</TABLE>\nteh "
                              + QByteArray("a cat. ").repeated(30000) + "seperate");
    program.trigger("mnufoldall");
    QCOMPARE(marked(program), QStringList{"teh"});
    program.key(Qt::Key_End, Qt::ControlModifier);
    QCOMPARE(marked(program).last(), QStringLiteral("seperate"));
}

// The lines a click on a folding box shows are checked as lines scrolled into view are.
void TestSpelling::linesUnfoldedAreChecked()
{
    Program program;
    program.show();
    program.editor().setBytes("<TABLE>\n<TR><TD>recieve</TD></TR>\n</TABLE>");
    program.trigger("mnufoldall");
    QCOMPARE(marked(program), QStringList());
    program.clickFoldBox(0);
    QTRY_COMPARE(markedNow(program), QStringList{"recieve"});
}

void TestSpelling::spellingWindow_data()
{
    QTest::addColumn<int>("caret");
    QTest::addColumn<QStringList>("buttons");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("shownAfter");

    const QString complete = "The spelling check is complete.";
    QTest::newRow("Change") << 0 << QStringList{"Command1"}
                            << QByteArray("<P>receive teh recieve</P>") << "teh";
    QTest::newRow("Change All") << 0 << QStringList{"Command2", "Command3"}
                                << QByteArray("<P>receive teh receive</P>") << complete;
    QTest::newRow("Ignore") << 0 << QStringList{"Command3"}
                            << QByteArray("<P>recieve teh recieve</P>") << "teh";
    QTest::newRow("Ignore All") << 0 << QStringList{"Command4", "Command3"}
                                << QByteArray("<P>recieve teh recieve</P>") << complete;
    QTest::newRow("Add to Dictionary") << 0 << QStringList{"Command5", "Command3"}
                                       << QByteArray("<P>recieve teh recieve</P>") << complete;
    QTest::newRow("from the caret, then from the top")
        << 14 << QStringList{"Command1"} << QByteArray("<P>recieve teh receive</P>")
        << "recieve";
}

void TestSpelling::spellingWindow()
{
    QFETCH(int, caret);
    QFETCH(QStringList, buttons);
    Program program;
    program.show();
    program.editor().setBytes("<P>recieve teh recieve</P>");
    program.editor().setCaret({1, caret + 1});
    program.key(Qt::Key_F8);
    for (const QString &button : buttons) {
        shown(program);
        program.click(button, "spelling1");
    }
    QTEST(shown(program), "shownAfter");
    QTEST(program.bytes(), "bytes");
}

void TestSpelling::rightButtonSuggests()
{
    Program program;
    program.show();
    program.editor().setBytes("<P>recieve it</P>");
    QCOMPARE(marked(program), QStringList{"recieve"});
    auto area = static_cast<QsciScintilla *>(program.textArea());
    const QPoint at = area->viewport()->mapFromGlobal(program.editor().pointOf(5));
    QTest::mousePress(area->viewport(), Qt::RightButton, {}, at + QPoint(1, 4));
    auto menu = program.form.findChild<QMenu *>("spellingMenu");
    QVERIFY(menu && menu->isVisible());
    QStringList items;
    for (const QAction *action : menu->actions())
        items << (action->isSeparator() ? "-" : action->objectName().isEmpty()
                                                    ? action->text() : action->objectName());
    QCOMPARE(items.mid(0, 6),
             QStringList({"receive", "-", "Ignore All", "Add to Dictionary", "-", "mnunotif"}));
    menu->actions().at(0)->trigger();
    QCOMPARE(program.bytes(), QByteArray("<P>receive it</P>"));
}

void TestSpelling::ownWordsOutliveTheProgram()
{
    const QByteArray page = "recieve teh";
    {
        Program first;
        first.show();
        first.editor().setBytes(page);
        first.key(Qt::Key_F8);
        QCOMPARE(shown(first), "recieve");
        first.click("Command5", "spelling1");
        QCOMPARE(shown(first), "teh");
        first.click("Command4", "spelling1");
        QCOMPARE(shown(first), "The spelling check is complete.");
        QCOMPARE(marked(first), QStringList());
    }
    QFile words(userWordsFile());
    QVERIFY(words.open(QIODevice::ReadOnly));
    QCOMPARE(words.readAll(), QByteArray("recieve\n"));
    Program next;
    next.show();
    next.editor().setBytes(page);
    QCOMPARE(marked(next), QStringList{"teh"});
}

void TestSpelling::noDictionary()
{
    const QTemporaryDir empty;
    FakeWorld::dictionaries = QStringList{empty.path()};
    Program program;
    program.show();
    program.editor().setBytes("recieve");
    QCOMPARE(marked(program), QStringList());
    program.key(Qt::Key_F8);
    program.trigger("mnuspellnone");
    QCOMPARE(program.dialogs.messages, (QStringList{noDictionaryMessage(), noDictionaryMessage()}));
    QVERIFY(!program.window("spelling1"));
}

QTEST_MAIN(TestSpelling)
#include "tst_spelling.moc"
