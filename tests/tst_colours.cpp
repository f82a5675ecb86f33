#include "support/program.h"

#include "editor/htmlstyler.h"

#include <Qsci/qsciscintilla.h>

#include <QLineEdit>

#include <algorithm>

// The colouring of the page in the editor: which part of the HTML each byte is shown as.
namespace {
// One letter a style: t text (both of its looks alike), < tag, a attribute, v value,
// " and ' quoted values, c comment, & entity; then CSS's and JavaScript's.
QString shownAs(QsciScintilla &area)
{
    static const char letters[] = "t<av\"'c&tSPV@nqk`/";
    QString shown;
    const long length = area.SendScintilla(QsciScintilla::SCI_GETLENGTH);
    for (long i = 0; i < length; ++i)
        shown += QLatin1Char(letters[area.SendScintilla(QsciScintilla::SCI_GETSTYLEAT, i)]);
    return shown;
}

// The styles of text coloured from `from` on with what colouring starts with there, in two
// pieces cut at `cut`, and the places colouring could start again among them.
QByteArray styled(const QByteArray &text, int from, const HtmlStyler::Resume &resume, int cut,
                  std::vector<HtmlStyler::Mark> &marks)
{
    QByteArray styles(text.size() - from, '\0');
    HtmlStyler styler(resume);
    styler.style(text.constData() + from, cut - from,
                 std::min(HtmlStyler::lookAhead, int(text.size()) - cut), styles.data(), marks);
    const std::size_t first = marks.size();
    styler.style(text.constData() + cut, int(text.size()) - cut, 0, styles.data() + cut - from,
                 marks);
    for (std::size_t i = first; i < marks.size(); ++i)
        marks[i].at += cut - from;
    return styles;
}

bool sameMark(const HtmlStyler::Mark &a, const HtmlStyler::Mark &b)
{
    return a.at == b.at && a.lineEnd == b.lineEnd && a.resume.state == b.resume.state
           && a.resume.depth == b.resume.depth && a.resume.lowest == b.resume.lowest;
}
} // namespace

class TestColours : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { initResources(); }
    void page_data();
    void page();
    void code_data();
    void code();
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
    program.editor().setBytes(text);
    for (int line = 0; line < area.lines(); ++line) {
        area.SendScintilla(QsciScintilla::SCI_COLOURISE,
                           area.SendScintilla(QsciScintilla::SCI_POSITIONFROMLINE, line),
                           area.SendScintilla(QsciScintilla::SCI_POSITIONFROMLINE, line + 1));
    }
    QCOMPARE(shownAs(area), shown);
}

// The CSS of STYLE elements and values and the JavaScript of SCRIPT elements and on...
// values, in the editor: the style of the first byte of `at` in the text.
void TestColours::code_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("at");
    QTest::addColumn<int>("style");
    const auto row = [](const char *name, const QByteArray &text, const char *at, int style) {
        QTest::newRow(name) << text << QByteArray(at) << style;
    };
    const QByteArray sheet = "<STYLE>\n@media print { P.note, #x { color: red;\n"
                             "  margin: -1.5em 0 } }\n/* } */ Q { content: \"</b>\"; "
                             "background: url(a;b) blue }\n</STYLE>";
    row("selector", sheet, "P.note", HtmlStyler::CssSelector);
    row("property", sheet, "color", HtmlStyler::CssProperty);
    row("value", sheet, "red", HtmlStyler::CssValue);
    row("number and unit", sheet, "em", HtmlStyler::Number);
    row("@-rule", sheet, "media", HtmlStyler::CssAtRule);
    row("CSS comment", sheet, "} */", HtmlStyler::Comment);
    row("CSS string", sheet, "</b>", HtmlStyler::String);
    row("\";\" inside url()", sheet, "blue", HtmlStyler::CssValue);
    row("end of STYLE", sheet, "</STYLE>", HtmlStyler::Tag);
    row("declarations of @font-face", "<STYLE>@font-face { src: x }</STYLE>", "src",
        HtmlStyler::CssProperty);
    row("STYLE value", "<P STYLE=\"color: red\">", "red", HtmlStyler::CssValue);
    row("STYLE value's quote", "<P style = 'font: \"A\"'>", "'>", HtmlStyler::SingleQuoted);

    const QByteArray script = "<SCRIPT>\nvar s = 'it' + `a ${f({b: 1})} c\nd` / 2;\n"
                              "if (/[/]x/g.test(s)) return a\n/ b; /* x\n */ // y\n"
                              "t = \"</script>\"";
    row("keyword", script, "var", HtmlStyler::JsKeyword);
    row("string", script, "'it'", HtmlStyler::String);
    row("template string", script, "a $", HtmlStyler::JsTemplate);
    row("code in ${...}", script, "b:", HtmlStyler::Text);
    row("number in ${...}", script, "1}", HtmlStyler::Number);
    row("template string after ${...}", script, " c", HtmlStyler::JsTemplate);
    row("template string on the next line", script, "d`", HtmlStyler::JsTemplate);
    row("division after an operand", script, "/ 2", HtmlStyler::Text);
    row("regular expression", script, "/[", HtmlStyler::JsRegex);
    row("\"/\" in a class", script, "/]", HtmlStyler::JsRegex);
    row("flags", script, "g.", HtmlStyler::JsRegex);
    row("division on the next line", script, "/ b", HtmlStyler::Text);
    row("comment over lines", script, " */", HtmlStyler::Comment);
    row("line comment", script, "y", HtmlStyler::Comment);
    row("end of SCRIPT in a string", script, "</script", HtmlStyler::Tag);
    row("no tag in a script", "<script>a<b</script>", "<b", HtmlStyler::Text);
    row("on... value", "<A ONCLICK=\"return f('x')\">", "return", HtmlStyler::JsKeyword);
    row("on... value's quote", "<A ONCLICK=\"return f('x')\">", "\">", HtmlStyler::DoubleQuoted);
}

void TestColours::code()
{
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, at);
    QFETCH(int, style);
    Program program;
    program.editor().setBytes(text);
    auto &area = *static_cast<QsciScintilla *>(program.textArea());
    area.SendScintilla(QsciScintilla::SCI_COLOURISE, 0UL, -1L);
    QCOMPARE(int(area.SendScintilla(QsciScintilla::SCI_GETSTYLEAT, long(text.indexOf(at)))), style);
}

// The editor colours from the start of a line on, or from a place within a long line, in
// pieces; the styles, and what colouring carries from line to line, must not change as the
// pieces do.
void TestColours::sameInAnyPieces_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("long runs on two lines")
        << QByteArray("<P>one two three four five sixty</P>\nseven eight nine ten eleven twelve");
    QTest::newRow("a long run") << QByteArray("<B>a run long enough to be measured word by word");
    QTest::newRow("comment openers") << QByteArray("<!-->x-->y<!---->z");
    QTest::newRow("CSS and JavaScript over lines")
        << QByteArray("<DIV STYLE='a:\nb'>\n<STYLE>@page{x:/*\n*/1}</STYLE><SCRIPT>a\n/b/`${{}\n"
                      "}`</SCRIPT>\n</DIV>");
    QTest::newRow("a long line")
        << QByteArray("<TABLE>").append(QByteArray("<TR><TD>x</TD></TR>").repeated(120));
}

void TestColours::sameInAnyPieces()
{
    QFETCH(QByteArray, text);
    std::vector<HtmlStyler::Mark> marks;
    const QByteArray atOnce = styled(text, 0, {}, int(text.size()), marks);
    std::vector<std::pair<int, HtmlStyler::Resume>> starts{{0, {}}};
    for (const HtmlStyler::Mark &mark : marks) {
        // A line starts with none of the elements closed that the line before closed.
        HtmlStyler::Resume resume = mark.resume;
        if (mark.lineEnd)
            resume.lowest = resume.depth;
        starts.emplace_back(mark.at + 1, resume);
    }
    for (const auto &[from, resume] : starts) {
        const auto after = std::find_if(marks.begin(), marks.end(), [from = from](const auto &m) {
            return m.at >= from;
        });
        for (int cut = from; cut <= text.size(); ++cut) {
            std::vector<HtmlStyler::Mark> found;
            const QByteArray styles = styled(text, from, resume, cut, found);
            for (HtmlStyler::Mark &mark : found)
                mark.at += from;
            QVERIFY2(styles == atOnce.mid(from)
                         && std::equal(after, marks.end(), found.begin(), found.end(), sameMark),
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
    program.editor().setBytes(program.editor().contents());
    area.SendScintilla(QsciScintilla::SCI_COLOURISE, 0UL, -1L);
    QCOMPARE(shown, shownAs(area));
}

QTEST_MAIN(TestColours)
#include "tst_colours.moc"
