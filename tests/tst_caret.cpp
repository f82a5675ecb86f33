#include "support/program.h"

#include <QLabel>
#include <QStatusBar>

// Where the caret is: the position in the status bar.
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
    void positionFollowsTyping_data();
    void positionFollowsTyping();
    void positionFollowsMovesAndLoads();
};

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
