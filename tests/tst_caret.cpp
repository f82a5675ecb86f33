#include "support/program.h"

#include <QLabel>
#include <QStatusBar>

// Where the caret is: Go to Line and the position in the status bar.
namespace {
QString shownPosition(Program &program)
{
    return program.find<QLabel>("Bar1Caret")->text();
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
    program.trigger("mnugoto");
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

QTEST_MAIN(TestCaret)
#include "tst_caret.moc"
