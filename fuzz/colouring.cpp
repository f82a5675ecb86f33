// Any bytes through the HTML colouring, with the CSS and JavaScript within: styles within
// range, nothing read outside the bytes handed over, and the same styles and fold levels
// whether the text is coloured at once or from a line's start or a mark within a long line
// on in pieces, as the editor asks for them; the editor itself shows those styles and
// levels, also after an edit, made when the colouring had come to the end or only part way.
#include "fuzzeditor.h"
#include "fuzzing.h"

#include "editor/editor.h"
#include "editor/htmllexer.h"
#include "editor/htmlstyler.h"

#include <Qsci/qsciscintilla.h>

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace {
using Marks = std::vector<HtmlStyler::Mark>;

struct Styled
{
    std::vector<char> styles;
    Marks marks; // at their places in the text
    HtmlStyler::Resume end; // what the last line ends in
};

// Styles [from, end of text) from resume on, piece by piece, each piece handed over in a
// block of its own so that AddressSanitizer sees a read outside it.
void stylePieces(const std::string &text, std::size_t from, const HtmlStyler::Resume &resume,
                 const std::vector<int> &sizes, Styled &styled)
{
    HtmlStyler styler(resume);
    for (std::size_t i = 0; from < text.size(); ++i) {
        const std::size_t size
            = std::min<std::size_t>(sizes[i % sizes.size()], text.size() - from);
        const std::size_t ahead
            = std::min<std::size_t>(HtmlStyler::lookAhead, text.size() - from - size);
        const auto block = std::make_unique<char[]>(size + ahead);
        std::copy_n(text.data() + from, size + ahead, block.get());
        const std::size_t first = styled.marks.size();
        styler.style(block.get(), int(size), int(ahead), styled.styles.data() + from,
                     styled.marks);
        for (std::size_t m = first; m < styled.marks.size(); ++m)
            styled.marks[m].at += int(from);
        from += size;
    }
    styled.end = styler.resume();
}

Styled styledAtOnce(const std::string &text)
{
    Styled styled{std::vector<char>(text.size()), {}, {}};
    stylePieces(text, 0, {}, {int(text.size()) + 1}, styled);
    return styled;
}

bool same(const HtmlStyler::Resume &a, const HtmlStyler::Resume &b)
{
    return a.state == b.state && a.depth == b.depth && a.lowest == b.lowest;
}

bool sameMarks(Marks::const_iterator from, const Marks &expected, const Marks &found)
{
    return std::equal(from, expected.end(), found.begin(), found.end(),
                      [](const HtmlStyler::Mark &a, const HtmlStyler::Mark &b) {
                          return a.at == b.at && a.lineEnd == b.lineEnd
                                 && same(a.resume, b.resume);
                      });
}

// The styles and the lines' fold levels the editor shows are those of the text at once.
void expectShownAsStyled(QsciScintilla &area, const std::string &text)
{
    area.SendScintilla(QsciScintilla::SCI_COLOURISE, long(text.size()), -1L);
    const Styled styled = styledAtOnce(text);
    for (std::size_t i = 0; i < text.size(); ++i)
        FUZZ_EXPECT(area.SendScintilla(QsciScintilla::SCI_GETSTYLEAT, i) == styled.styles[i]);
    long line = 0;
    for (const HtmlStyler::Mark &mark : styled.marks) {
        if (mark.lineEnd)
            FUZZ_EXPECT(area.SendScintilla(QsciScintilla::SCI_GETFOLDLEVEL, line++)
                        == HtmlLexer::foldLevel(mark.resume));
    }
    FUZZ_EXPECT(line + 1 == area.SendScintilla(QsciScintilla::SCI_GETLINECOUNT));
    FUZZ_EXPECT(area.SendScintilla(QsciScintilla::SCI_GETFOLDLEVEL, line)
                == HtmlLexer::foldLevel(styled.end));
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *bytes, size_t size)
{
    FuzzedDataProvider data(bytes, size);
    const auto restart = data.ConsumeIntegral<std::uint16_t>();
    std::vector<int> sizes;
    for (int i = data.ConsumeIntegralInRange(1, 3); i > 0; --i)
        sizes.push_back(data.ConsumeIntegralInRange(1, 1 << 12));
    const int line = data.ConsumeIntegralInRange(1, 64);
    const int column = data.ConsumeIntegralInRange(1, 4096);
    const bool folded = data.ConsumeBool();
    const QString typed = QString::fromStdString(data.ConsumeRandomLengthString(16));
    const std::string text = data.ConsumeRemainingBytesAsString();

    const Styled atOnce = styledAtOnce(text);
    for (char style : atOnce.styles)
        FUZZ_EXPECT(style >= HtmlStyler::Text && style <= HtmlStyler::JsRegex);
    // Again from the start of the text, of a line or behind a mark within a long line.
    std::size_t from = 0;
    HtmlStyler::Resume resume;
    if (!atOnce.marks.empty() && restart % (atOnce.marks.size() + 1) > 0) {
        const HtmlStyler::Mark &mark = atOnce.marks[restart % (atOnce.marks.size() + 1) - 1];
        from = mark.at + 1;
        resume = mark.resume;
        if (mark.lineEnd)
            resume.lowest = resume.depth;
    }
    Styled inPieces{atOnce.styles, {}, {}};
    std::fill(inPieces.styles.begin() + from, inPieces.styles.end(), 0);
    stylePieces(text, from, resume, sizes, inPieces);
    FUZZ_EXPECT(inPieces.styles == atOnce.styles);
    const auto after = std::find_if(atOnce.marks.begin(), atOnce.marks.end(),
                                    [from](const auto &mark) { return mark.at >= int(from); });
    FUZZ_EXPECT(sameMarks(after, atOnce.marks, inPieces.marks));
    FUZZ_EXPECT(same(inPieces.end, atOnce.end));

    Editor &editor = fuzzEditor();
    editor.setBytes(QByteArray::fromStdString(text));
    QsciScintilla &area = fuzzArea();
    expectShownAsStyled(area, editor.contents().toStdString());
    editor.setCaret({line, column});
    editor.putSelectedText(typed);
    expectShownAsStyled(area, editor.contents().toStdString());

    // With every fold closed, the edit shows what it reaches and no line stays hidden that
    // no closed fold holds.
    editor.setBytes(QByteArray::fromStdString(text));
    area.SendScintilla(QsciScintilla::SCI_COLOURISE, 0UL, long(from));
    if (folded)
        editor.foldAll();
    editor.setCaret({line, column});
    editor.putSelectedText(typed);
    expectShownAsStyled(area, editor.contents().toStdString());
    for (long shown = 0; shown < area.SendScintilla(QsciScintilla::SCI_GETLINECOUNT); ++shown) {
        if (area.SendScintilla(QsciScintilla::SCI_GETLINEVISIBLE, shown))
            continue;
        const long parent = area.SendScintilla(QsciScintilla::SCI_GETFOLDPARENT, shown);
        FUZZ_EXPECT(parent >= 0
                    && (!area.SendScintilla(QsciScintilla::SCI_GETFOLDEXPANDED, parent)
                        || !area.SendScintilla(QsciScintilla::SCI_GETLINEVISIBLE, parent)));
    }
    editor.unfoldAll();
    FUZZ_EXPECT(area.SendScintilla(QsciScintilla::SCI_GETALLLINESVISIBLE));
    return 0;
}
