#include "support/program.h"

#include <Qsci/qsciscintilla.h>

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
} // namespace

class TestColours : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { initResources(); }
    void page_data();
    void page();
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

QTEST_MAIN(TestColours)
#include "tst_colours.moc"
