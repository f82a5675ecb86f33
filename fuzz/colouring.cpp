// Any bytes through the HTML colouring: styles within range, nothing read outside the
// bytes handed over, and the same styles whether the text is coloured at once or from a
// line's start on in pieces, as the editor asks for them; the editor itself shows those
// styles, also after an edit, made when the colouring had come to the end or only part way.
#include "fuzzeditor.h"
#include "fuzzing.h"

#include "editor/editor.h"
#include "editor/htmlstyler.h"

#include <Qsci/qsciscintilla.h>

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace {
// Where Scintilla starts its lines: after LF, CR LF or a lone CR.
std::vector<std::size_t> lineStarts(const std::string &text)
{
    std::vector<std::size_t> starts{0};
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' || (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n')))
            starts.push_back(i + 1);
    }
    return starts;
}

// Styles [from, end) of text piece by piece, each piece handed over in a block of its own
// so that AddressSanitizer sees a read outside it.
void stylePieces(const std::string &text, std::size_t from, const std::vector<int> &sizes,
                 char *styles)
{
    HtmlStyler styler(from > 0 ? styles[from - 1] : char(HtmlStyler::Text));
    for (std::size_t i = 0; from < text.size(); ++i) {
        const std::size_t size
            = std::min<std::size_t>(sizes[i % sizes.size()], text.size() - from);
        const std::size_t ahead
            = std::min<std::size_t>(HtmlStyler::lookAhead, text.size() - from - size);
        const auto block = std::make_unique<char[]>(size + ahead);
        std::copy_n(text.data() + from, size + ahead, block.get());
        styler.style(block.get(), int(size), int(ahead), styles + from);
        from += size;
    }
}

std::vector<char> styledAtOnce(const std::string &text)
{
    std::vector<char> styles(text.size());
    stylePieces(text, 0, {int(text.size())}, styles.data());
    return styles;
}

void expectShownAsStyled(QsciScintilla &area, const std::string &text)
{
    area.SendScintilla(QsciScintilla::SCI_COLOURISE, long(text.size()), -1L);
    const std::vector<char> styles = styledAtOnce(text);
    for (std::size_t i = 0; i < text.size(); ++i)
        FUZZ_EXPECT(area.SendScintilla(QsciScintilla::SCI_GETSTYLEAT, i) == styles[i]);
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
    const int column = data.ConsumeIntegralInRange(1, 256);
    const QString typed = QString::fromStdString(data.ConsumeRandomLengthString(16));
    const std::string text = data.ConsumeRemainingBytesAsString();

    const std::vector<char> atOnce = styledAtOnce(text);
    for (char style : atOnce)
        FUZZ_EXPECT(style >= HtmlStyler::Text && style <= HtmlStyler::AlternateText);
    const std::vector<std::size_t> starts = lineStarts(text);
    const std::size_t from = starts[restart % starts.size()];
    std::vector<char> inPieces(atOnce.begin(), atOnce.begin() + from);
    inPieces.resize(text.size());
    stylePieces(text, from, sizes, inPieces.data());
    FUZZ_EXPECT(inPieces == atOnce);

    Editor &editor = fuzzEditor();
    editor.setBytes(QByteArray::fromStdString(text));
    QsciScintilla &area = fuzzArea();
    expectShownAsStyled(area, editor.contents().toStdString());
    editor.setCaret({line, column});
    editor.putSelectedText(typed);
    expectShownAsStyled(area, editor.contents().toStdString());

    editor.setBytes(QByteArray::fromStdString(text));
    area.SendScintilla(QsciScintilla::SCI_COLOURISE, 0UL, long(from));
    editor.setCaret({line, column});
    editor.putSelectedText(typed);
    expectShownAsStyled(area, editor.contents().toStdString());
    return 0;
}
