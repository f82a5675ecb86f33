#include "support/program.h"

#include <Qsci/qsciscintilla.h>

#include <QStringList>

// Folding: which lines fold, as colouring finds them, and the View menu's commands.
namespace {
using Sci = QsciScintilla;

Sci &areaOf(Program &program)
{
    return *static_cast<Sci *>(program.textArea());
}

// Each line's fold level as the margin shows it: how many elements that fold it stands in,
// and "+" where a fold starts.
QString levelsOf(Sci &area)
{
    area.SendScintilla(Sci::SCI_COLOURISE, area.SendScintilla(Sci::SCI_GETLENGTH), -1L);
    QStringList levels;
    for (long line = 0; line < area.lines(); ++line) {
        const long level = area.SendScintilla(Sci::SCI_GETFOLDLEVEL, line);
        levels << QString::number((level & Sci::SC_FOLDLEVELNUMBERMASK) - Sci::SC_FOLDLEVELBASE)
                      + (level & Sci::SC_FOLDLEVELHEADERFLAG ? "+" : "");
    }
    return levels.join(QLatin1Char(' '));
}

QList<long> hiddenLines(Sci &area)
{
    QList<long> hidden;
    for (long line = 0; line < area.lines(); ++line) {
        if (!area.SendScintilla(Sci::SCI_GETLINEVISIBLE, line))
            hidden << line;
    }
    return hidden;
}

const QByteArray page = "<HTML>\n<BODY>\n<DIV>\na\n</DIV>\n</BODY>\n</HTML>";
} // namespace

class TestFolding : public QObject
{
    Q_OBJECT

private slots:
    // Folding on, as at Quillet's first start, whatever a test before turned off.
    void init() { QVERIFY(firstStart()); }
    void levels_data();
    void levels();
    void lineEndTypedIntoTheLastLine();
    void editChangesTheLevelsAfter();
    void foldAllAndUnfoldAll();
    void foldingOffShowsEveryLine();
    void noLineStaysHiddenWithoutAClosedFold_data();
    void noLineStaysHiddenWithoutAClosedFold();
};

void TestFolding::levels_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("levels");
    QTest::newRow("nested elements")
        << QByteArray("<HTML>\n<BODY>\n<TABLE>\n<TR><TD>x</TD></TR>\n</TABLE>\n</BODY>\n</HTML>")
        << "0+ 1+ 2+ 3 3 2 1";
    QTest::newRow("lower case, a start tag over two lines")
        << QByteArray("<div class=a\n id=b>\n<p>x</p>\n</div>") << "0+ 1 1 1";
    QTest::newRow("on one line") << QByteArray("<UL><LI>a</UL>\nx") << "0 0";
    QTest::newRow("elements that do not fold") << QByteArray("<P>\na\n</P>") << "0 0 0";
    QTest::newRow("end and start on one line")
        << QByteArray("<DIV>\na\n</DIV><DIV>\nb\n</DIV>") << "0+ 1 0+ 1 1";
    QTest::newRow("comments") << QByteArray("<!-- a\nb -->\n<!-- c -->") << "0+ 1 0";
    QTest::newRow("an end tag in a script's string")
        << QByteArray("<SCRIPT>\ns = '</div>'\n</SCRIPT>") << "0+ 1 1";
}

void TestFolding::levels()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, levels);
    Program program;
    program.editor().setBytes(text);
    QCOMPARE(levelsOf(areaOf(program)), levels);
}

// Colouring after an edit stops where the colours meet those set before; where the edit
// opened an element, the lines after it stand one deeper.
void TestFolding::editChangesTheLevelsAfter()
{
    Program program;
    program.editor().setBytes("<DIV>\na\nb\n</DIV>\nc");
    Sci &area = areaOf(program);
    QCOMPARE(levelsOf(area), "0+ 1 1 1 0");
    program.editor().setCaret({2, 1});
    program.editor().putSelectedText(QStringLiteral("<UL>"));
    QCOMPARE(levelsOf(area), "0+ 1+ 2 2 1");
}

// A level keeps what the next line starts in: the last line's, set while it ended in a
// tag, is set again when a line end typed into it ends the line elsewhere.
void TestFolding::lineEndTypedIntoTheLastLine()
{
    Program program;
    Sci &area = areaOf(program);
    const auto firstLevel = [&area] {
        area.SendScintilla(Sci::SCI_COLOURISE, area.SendScintilla(Sci::SCI_GETLENGTH), -1L);
        return area.SendScintilla(Sci::SCI_GETFOLDLEVEL, 0UL);
    };
    program.editor().setBytes("b>x</const ch");
    firstLevel();
    program.editor().setCaret({1, 14});
    program.editor().putSelectedText(QStringLiteral("<b>x\r "));
    const long typed = firstLevel();
    program.editor().setBytes(program.editor().contents());
    QCOMPARE(typed, firstLevel());
}

void TestFolding::foldAllAndUnfoldAll()
{
    Program program;
    program.editor().setBytes(page);
    Sci &area = areaOf(program);
    program.trigger(QStringLiteral("mnufoldall"));
    QCOMPARE(hiddenLines(area), QList<long>({1, 2, 3, 4, 5, 6}));
    // A click on the first line's box opens the outermost element; the next stays folded.
    program.show();
    program.clickFoldBox(0);
    QCOMPARE(hiddenLines(area), QList<long>({2, 3, 4, 5}));
    program.trigger(QStringLiteral("mnuunfoldall"));
    QCOMPARE(hiddenLines(area), QList<long>());
}

void TestFolding::foldingOffShowsEveryLine()
{
    Program program;
    program.editor().setBytes(page);
    Sci &area = areaOf(program);
    program.trigger(QStringLiteral("mnufoldall"));
    program.trigger(QStringLiteral("mnufolding"));
    QCOMPARE(hiddenLines(area), QList<long>());
    QCOMPARE(area.SendScintilla(Sci::SCI_GETMARGINWIDTHN, 2UL), 0L);
    program.trigger(QStringLiteral("mnufoldall"));
    QCOMPARE(hiddenLines(area), QList<long>());
}

// An edit about a closed fold leaves no line hidden without a box beside it to show it.
void TestFolding::noLineStaysHiddenWithoutAClosedFold_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("closed"); // the line whose fold is closed
    QTest::addColumn<QList<long>>("hidden");
    QTest::addColumn<QString>("typed"); // at the start of the first line
    // The first line whose level changes is another.
    QTest::newRow("an element turned into text above it")
        << QByteArray("x\n<UL>\n<LI>u\n</UL>\n<DIV>\na\n</DIV>\nb") << 4
        << QList<long>({5, 6}) << QStringLiteral("<IMG ALT=\"");
    // The closed fold's first line moves down, its lines now in a fold that starts open.
    QTest::newRow("a fold of its own before it")
        << QByteArray("\n<HTML>\na") << 1 << QList<long>({2})
        << QStringLiteral("\n<HEAD><X/\n");
}

void TestFolding::noLineStaysHiddenWithoutAClosedFold()
{
    QFETCH(QByteArray, text);
    QFETCH(int, closed);
    QFETCH(QList<long>, hidden);
    QFETCH(QString, typed);
    Program program;
    program.editor().setBytes(text);
    Sci &area = areaOf(program);
    levelsOf(area);
    area.SendScintilla(Sci::SCI_FOLDLINE, closed, long(Sci::SC_FOLDACTION_CONTRACT));
    QCOMPARE(hiddenLines(area), hidden);
    program.editor().setCaret({1, 1});
    program.editor().putSelectedText(typed);
    levelsOf(area);
    QCOMPARE(hiddenLines(area), QList<long>());
}

QTEST_MAIN(TestFolding)
#include "tst_folding.moc"
