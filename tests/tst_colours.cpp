#include "support/program.h"

#include "editor/htmlstyler.h"

#include <Qsci/qsciscintilla.h>

#include <QLineEdit>

#include <algorithm>

// The colouring of the page in the editor: which part of the HTML each byte is shown as.
namespace {
// One letter a style: t text (both of its looks alike), < tag, a attribute, v value,
// " and ' quoted values, c comment, & entity.
QString shownAs(QsciScintilla &area)
{
    static const char letters[] = "t<av\"'c&t";
    QString shown;
    const long length = area.SendScintilla(QsciScintilla::SCI_GETLENGTH);
    for (long i = 0; i < length; ++i)
        shown += QLatin1Char(letters[area.SendScintilla(QsciScintilla::SCI_GETSTYLEAT, i)]);
    return shown;
}

// The styles of text coloured from `from` on, a line's start, in two pieces cut at `cut`;
// the styles before `from` are those of before.
QByteArray styled(const QByteArray &text, const QByteArray &before, int from, int cut)
{
    QByteArray styles = before.left(from);
    styles.resize(text.size());
    HtmlStyler styler(from > 0 ? before.at(from - 1) : char(HtmlStyler::Text));
    styler.style(text.constData() + from, cut - from,
                 std::min(HtmlStyler::lookAhead, int(text.size()) - cut), styles.data() + from);
    styler.style(text.constData() + cut, int(text.size()) - cut, 0, styles.data() + cut);
    return styles;
}
} // namespace

class TestColours : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { initResources(); }
    void page_data();
    void page();
    void sameInAnyPieces_data();
    void sameInAnyPieces();
    void replaceAllBeforeTheColouringIsDone();
};

void TestColours::page_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("shown");
    QTest::newRow("tags and text") << QByteArray("<P>Hi</P>") << "<<<tt<<<<";
    QTest::newRow("attributes") << QByteArray("<TD ALIGN=LEFT WIDTH=\"5\" ID='x'>")
                                << "<<<<aaaaaavvvv<aaaaaa\"\"\"<aaa'''<";
    QTest::newRow("entity") << QByteArray("a &amp; b &c d") << "tt&&&&&ttt&&tt";
    QTest::newRow("comment") << QByteArray("<!-- <B> -->x") << "cccccccccccct";
    QTest::newRow("not a tag") << QByteArray("a < b") << "ttttt";
    QTest::newRow("doctype") << QByteArray("<!DOCTYPE html>") << "<<<<<<<<<<aaaa<";
    // Measured word by word, looking the same.
    QTest::newRow("long text") << QByteArray("<P>the quick brown fox jumps over the lazy dog</P>")
                               << "<<<" + QString(43, QLatin1Char('t')) + "<<<<";
    QTest::newRow("non-ASCII text") << QByteArray("caf\xc3\xa9<B>") << "ttttt<<<";
    // What a line ends in carries over to the next line.
    QTest::newRow("tag over two lines") << QByteArray("<A\nHREF=x>y") << "<<<aaaaav<t";
    QTest::newRow("value on the next line") << QByteArray("<A HREF=\nx>y") << "<<<aaaaavv<t";
    QTest::newRow("quoted over two lines")
        << QByteArray("<A T=\"a\nb\">y") << "<<<aa\"\"\"\"\"<t";
    QTest::newRow("comment over two lines") << QByteArray("<!--\n-->x") << "cccccccct";
}

void TestColours::page()
{
    QFETCH(QByteArray, text);
    QFETCH(QString, shown);
    Program program;
    program.editor().setBytes(text);
    auto &area = *static_cast<QsciScintilla *>(program.textArea());

    // All at once, and line by line as the editor colours what comes into view.
    area.SendScintilla(QsciScintilla::SCI_COLOURISE, 0UL, -1L);
    QCOMPARE(shownAs(area), shown);
    area.SendScintilla(QsciScintilla::SCI_CLEARDOCUMENTSTYLE);
    for (int line = 0; line < area.lines(); ++line) {
        area.SendScintilla(QsciScintilla::SCI_COLOURISE,
                           area.SendScintilla(QsciScintilla::SCI_POSITIONFROMLINE, line),
                           area.SendScintilla(QsciScintilla::SCI_POSITIONFROMLINE, line + 1));
    }
    QCOMPARE(shownAs(area), shown);
}

// The editor colours from the start of a line on, in pieces; the words of a long run of text
// alternate between two styles that look alike, which must not change as the pieces do.
void TestColours::sameInAnyPieces_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("long runs on two lines")
        << QByteArray("<P>one two three four five sixty</P>\nseven eight nine ten eleven twelve");
    QTest::newRow("a long run") << QByteArray("<B>a run long enough to be measured word by word");
    QTest::newRow("comment openers") << QByteArray("<!-->x-->y<!---->z");
}

void TestColours::sameInAnyPieces()
{
    QFETCH(QByteArray, text);
    const QByteArray atOnce = styled(text, {}, 0, text.size());
    for (int from = 0; from < text.size(); ++from) {
        if (from > 0 && text.at(from - 1) != '\n')
            continue;
        for (int cut = from; cut <= text.size(); ++cut) {
            QVERIFY2(styled(text, atOnce, from, cut) == atOnce,
                     qPrintable(QStringLiteral("from %1, cut at %2").arg(from).arg(cut)));
        }
    }
}

// The colouring after an edit stops where it meets the colours set before; the page's end
// had none yet when Replace All changed its start.
void TestColours::replaceAllBeforeTheColouringIsDone()
{
    QByteArray page = "<H1>Title</H1>\n";
    for (int line = 0; line < 100; ++line)
        page += "<P>line <B>" + QByteArray::number(line) + "</B>\n";
    Program program;
    program.editor().setBytes(page);
    auto &area = *static_cast<QsciScintilla *>(program.textArea());
    // As far as the colouring in the background had come.
    area.SendScintilla(QsciScintilla::SCI_COLOURISE, 0UL, long(page.size() / 2));
    program.trigger("mnureplace");
    program.find<QLineEdit>("Findit", "Replace")->setText("Title");
    program.find<QLineEdit>("Replacewith", "Replace")->setText("Heading");
    program.click("replaceall", "Replace");

    program.show();
    const long length = area.SendScintilla(QsciScintilla::SCI_GETLENGTH);
    QTRY_COMPARE(area.SendScintilla(QsciScintilla::SCI_GETENDSTYLED), length);
    const QString shown = shownAs(area);
    area.SendScintilla(QsciScintilla::SCI_CLEARDOCUMENTSTYLE);
    area.SendScintilla(QsciScintilla::SCI_COLOURISE, 0UL, -1L);
    QCOMPARE(shown, shownAs(area));
}

QTEST_MAIN(TestColours)
#include "tst_colours.moc"
