#include "support/program.h"

#include <QLabel>
#include <QStatusBar>

// Where the caret is: Go to Line, the position in the status bar, and the matching tags
// marked around it.
namespace {
QString shownPosition(Program &program)
{
    return program.find<QLabel>("Bar1Caret")->text();
}

// The text with the marked tags in brackets.
QString withMarks(Program &program)
{
    QString text = QString::fromUtf8(program.bytes());
    const std::vector<TextRange> marks = program.editor().tagMarks();
    for (auto it = marks.rbegin(); it != marks.rend(); ++it)
        text.insert(int(it->end), ']').insert(int(it->start), '[');
    return text;
}
} // namespace

class TestCaret : public QObject
{
    Q_OBJECT

private slots:
    void goToLine_data();
    void goToLine();
    void goToLineCancelled();
    void positionFollowsTyping_data();
    void positionFollowsTyping();
    void positionFollowsMovesAndLoads();
    void matchingTags_data();
    void matchingTags();
    void partnerBeyondTheReachIsNotLookedFor();
};

void TestCaret::goToLine_data()
{
    QTest::addColumn<int>("line");
    QTest::addColumn<long>("offset");
    QTest::addColumn<QString>("position");

    QTest::newRow("first") << 1 << 0L << "Ln 1, Col 1";
    QTest::newRow("middle") << 2 << 5L << "Ln 2, Col 1";
    QTest::newRow("last") << 3 << 13L << "Ln 3, Col 1";
}

void TestCaret::goToLine()
{
    QFETCH(int, line);
    QFETCH(long, offset);
    QFETCH(QString, position);

    Program program;
    program.show();
    program.editor().setBytes("<UL>\n<LI>one\n</UL>");
    program.editor().setCaret({2, 3});
    program.editor().find("one", 0); // something selected, which the jump drops
    program.dialogs.numberAnswers << line;
    program.key(Qt::Key_G, Qt::ControlModifier);

    QCOMPARE(program.dialogs.numberRequests.size(), 1);
    const NumberRequest &asked = program.dialogs.numberRequests.first();
    QCOMPARE(asked.title, QString("Go to Line"));
    QCOMPARE(asked.label, QString("Line number (1 - 3):"));
    QCOMPARE(QList<int>({asked.value, asked.minimum, asked.maximum}), QList<int>({2, 1, 3}));
    QCOMPARE(program.editor().caretOffset(), offset);
    QCOMPARE(program.editor().selectionLength(), 0);
    QCOMPARE(shownPosition(program), position);
}

void TestCaret::goToLineCancelled()
{
    Program program;
    program.editor().setBytes("one\ntwo\nthree");
    program.editor().find("two", 0);
    program.trigger("mnugotoline");
    QCOMPARE(program.dialogs.numberRequests.size(), 1);
    QCOMPARE(program.editor().selectedText(), QString("two"));
    QCOMPARE(shownPosition(program), QString("Ln 2, Col 4"));
}

void TestCaret::positionFollowsTyping_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("position");

    QTest::newRow("nothing") << "" << "Ln 1, Col 1";
    QTest::newRow("a tag") << "<HR>" << "Ln 1, Col 5";
    QTest::newRow("a tab is one column") << "\t<P>" << "Ln 1, Col 5";
    QTest::newRow("lines") << "<UL>\n<LI>one\n<LI>" << "Ln 3, Col 5";
}

void TestCaret::positionFollowsTyping()
{
    QFETCH(QString, typed);
    QFETCH(QString, position);

    Program program;
    program.show();
    const QStringList lines = typed.split('\n');
    for (const QString &line : lines) {
        if (&line != &lines.first())
            program.key(Qt::Key_Return);
        program.type(line);
    }
    QCOMPARE(shownPosition(program), position);
    // The status bar's own text stays.
    QCOMPARE(program.find<QLabel>("Bar1Text")->text(), QString("Quillet 2.0"));
}

void TestCaret::positionFollowsMovesAndLoads()
{
    Program program;
    program.show();
    program.editor().setBytes("<UL>\n<LI>one\n</UL>");
    program.key(Qt::Key_End, Qt::ControlModifier);
    QStringList shown{shownPosition(program)};
    for (int key : {Qt::Key_Up, Qt::Key_End, Qt::Key_Home, Qt::Key_Right}) {
        program.key(key);
        shown << shownPosition(program);
    }
    QCOMPARE(shown, QStringList({"Ln 3, Col 6", "Ln 2, Col 6", "Ln 2, Col 8", "Ln 2, Col 1",
                                 "Ln 2, Col 2"}));

    program.editor().setBytes("new\ncaf\xc3\xa9 \xe2\x82\xac");
    QCOMPARE(shownPosition(program), QString("Ln 1, Col 1"));
    program.key(Qt::Key_End, Qt::ControlModifier);
    QCOMPARE(shownPosition(program), QString("Ln 2, Col 7")); // characters, not bytes
}

void TestCaret::matchingTags_data()
{
    QTest::addColumn<QString>("text"); // '|' is the caret
    QTest::addColumn<QString>("marked");

    QTest::newRow("start tag") << "<TA|BLE><TR><TD>x</TD></TR></TABLE>"
                               << "[<TABLE>]<TR><TD>x</TD></TR>[</TABLE>]";
    QTest::newRow("end tag") << "<B>a</B><B>b</|B>" << "<B>a</B>[<B>]b[</B>]";
    QTest::newRow("behind the name") << "<TD|>x</TD>" << "[<TD>]x[</TD>]";
    QTest::newRow("nested") << "<DIV><DIV>a</DIV><DIV>b</DIV></D|IV>"
                            << "[<DIV>]<DIV>a</DIV><DIV>b</DIV>[</DIV>]";
    QTest::newRow("mixed case") << "<Font| SIZE=2>x</fONT>" << "[<Font SIZE=2>]x[</fONT>]";
    QTest::newRow("unclosed tags between") << "<U|L><LI>one<LI>two<P>x</UL>"
                                           << "[<UL>]<LI>one<LI>two<P>x[</UL>]";
    QTest::newRow("no partner") << "<P|>one<P>two" << "<P>one<P>two";
    QTest::newRow("no end tag") << "<B|R><BR>" << "<BR><BR>";
    QTest::newRow("closed by itself") << "<DIV|/><DIV>x</DIV>" << "<DIV/><DIV>x</DIV>";
    QTest::newRow("quoted >") << "<A| HREF=\"a>b\">x</A>" << "[<A HREF=\"a>b\">]x[</A>]";
    QTest::newRow("an address ending in /") << "<A| HREF=http://x.com/>y</A>"
                                            << "[<A HREF=http://x.com/>]y[</A>]";
    QTest::newRow("in the attributes") << "<A HREF|=x>y</A>" << "<A HREF=x>y</A>";
    QTest::newRow("comment skipped") << "<B|>x<!-- </B> --></B>" << "[<B>]x<!-- </B> -->[</B>]";
    QTest::newRow("in a comment") << "<!-- <B|> --><B>x</B>" << "<!-- <B> --><B>x</B>";
    QTest::newRow("directive skipped") << "<I|><!--#echo var=\"</I>\" --></I>"
                                       << "[<I>]<!--#echo var=\"</I>\" -->[</I>]";
    QTest::newRow("script skipped") << "<B|><SCRIPT>w('</B>')</script></B>"
                                    << "[<B>]<SCRIPT>w('</B>')</script>[</B>]";
    QTest::newRow("script and its end") << "<SCR|IPT>w('<B>')</script>"
                                        << "[<SCRIPT>]w('<B>')[</script>]";
}

void TestCaret::matchingTags()
{
    QFETCH(QString, text);
    QFETCH(QString, marked);

    Program program;
    program.editor().setBytes(QString(text).remove('|').toUtf8());
    program.editor().setCaret({1, int(text.indexOf('|')) + 1});
    QCOMPARE(withMarks(program), marked);

    // Leaving the name takes the marks away.
    program.editor().setCaret({1, 1});
    QVERIFY(program.editor().tagMarks().empty());
}

void TestCaret::partnerBeyondTheReachIsNotLookedFor()
{
    Program program;
    const QByteArray filler(1 << 20, 'x');
    program.editor().setBytes("<DIV>" + filler + "</DIV><B>b</B>");
    program.editor().setCaret({1, 3});
    QVERIFY(program.editor().tagMarks().empty());
    program.editor().setCaret({1, int(filler.size()) + 14});
    QCOMPARE(program.editor().tagMarks(),
             (std::vector<TextRange>{{long(filler.size()) + 11, long(filler.size()) + 14},
                                     {long(filler.size()) + 15, long(filler.size()) + 19}}));
}

QTEST_MAIN(TestCaret)
#include "tst_caret.moc"
