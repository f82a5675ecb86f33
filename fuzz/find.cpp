// Find and Replace All over any text, needle and replacement under each flag. Find stops
// where a plain search stops (std::search, ASCII letters folded unless the case must
// match, Scintilla judging whole words), round and round; Replace All gives the count and
// the text of replacing those occurrences one at a time, and undoing it gives the text
// back. As a regular expression, the needle written as escapes ("\x{61}") and the
// replacement's "\" and "$" doubled give the same, where letters fold alike (a pattern folds
// every script's, so the case must match unless all is ASCII). Replace All stopped by its
// progress at any call changes nothing, its undo history neither. A pattern holding a
// character a Windows-1252 page cannot hold is refused and changes nothing.
#include "fuzzeditor.h"
#include "fuzzing.h"

#include "document/encoding.h"
#include "editor/editor.h"

#include <Qsci/qsciscintilla.h>

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

namespace {
char folded(char c)
{
    return c >= 'A' && c <= 'Z' ? char(c + ('a' - 'A')) : c;
}

bool isAscii(const std::string &text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return uint8_t(c) < 0x80; });
}

// The needle as a regular expression that matches it alone.
QString escaped(const QString &needle)
{
    QString pattern;
    for (const QChar c : needle) {
        // Characters beyond ASCII mean nothing else in a pattern; kept as they are, a
        // Windows-1252 page refuses those it cannot hold.
        if (c.unicode() >= 0x80)
            pattern += c;
        else
            pattern += QStringLiteral("\\x{%1}").arg(c.unicode(), 0, 16);
    }
    return pattern;
}

// Where the needle stands first from `from` on, or -1.
long plainFind(QsciScintilla &area, const std::string &text, const std::string &needle,
               std::size_t from, int flags)
{
    const auto same = [flags](char a, char b) {
        return (flags & Editor::MatchCase) ? a == b : folded(a) == folded(b);
    };
    for (auto at = text.begin() + long(from);; ++at) {
        at = std::search(at, text.end(), needle.begin(), needle.end(), same);
        if (at == text.end())
            return -1;
        const long start = long(at - text.begin());
        const long end = start + long(needle.size());
        if (!(flags & Editor::WholeWord)
            || area.SendScintilla(QsciScintilla::SCI_ISRANGEWORD, start, end))
            return start;
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *bytes, size_t size)
{
    FuzzedDataProvider data(bytes, size);
    int flags = (data.ConsumeBool() ? Editor::WholeWord : 0)
                | (data.ConsumeBool() ? Editor::MatchCase : 0);
    const bool pattern = data.ConsumeBool();
    const int stopAt = data.ConsumeIntegralInRange(0, 4); // the progress call; 0: none
    const int line = data.ConsumeIntegralInRange(1, 64);
    const int column = data.ConsumeIntegralInRange(1, 256);
    const QString needle = QString::fromStdString(data.ConsumeRandomLengthString(16));
    const QString replacement = QString::fromStdString(data.ConsumeRandomLengthString(16));

    Editor &editor = fuzzEditor();
    QsciScintilla &area = fuzzArea();
    editor.setBytes(QByteArray::fromStdString(data.ConsumeRemainingBytesAsString()));
    const std::string text = editor.contents().toStdString();
    const std::string plainNeedle = needle.toStdString();
    if (pattern && !(isAscii(text) && isAscii(plainNeedle)))
        flags |= Editor::MatchCase;
    const bool refused = pattern && editor.encoding() == Encoding::Windows1252
                         && firstOutsideWindows1252(plainNeedle.data(),
                                                    qsizetype(plainNeedle.size())) >= 0;
    const int searchFlags = flags | (pattern ? Editor::RegularExpression : 0);
    const QString searched = pattern && !needle.isEmpty() ? escaped(needle) : needle;
    QString written = replacement;
    if (pattern)
        written.replace('\\', QLatin1String("\\\\")).replace('$', QLatin1String("$$"));
    std::vector<long> occurrences;
    for (long at = 0; !plainNeedle.empty()
                      && (at = plainFind(area, text, plainNeedle, std::size_t(at), flags)) >= 0;
         at += long(plainNeedle.size()))
        occurrences.push_back(at);

    editor.setCaret({line, column});
    for (std::size_t round = 0; round <= std::min<std::size_t>(occurrences.size(), 3); ++round) {
        const long start = area.SendScintilla(QsciScintilla::SCI_GETSELECTIONSTART);
        const long end = area.SendScintilla(QsciScintilla::SCI_GETSELECTIONEND);
        long expected = -1;
        if (!plainNeedle.empty()) {
            expected = plainFind(area, text, plainNeedle, std::size_t(end), flags);
            if (expected < 0)
                expected = plainFind(area, text, plainNeedle, 0, flags);
        }
        FUZZ_EXPECT(editor.find(searched, searchFlags) == (expected >= 0));
        const long from = expected >= 0 ? expected : start;
        const long to = expected >= 0 ? expected + long(plainNeedle.size()) : end;
        FUZZ_EXPECT(area.SendScintilla(QsciScintilla::SCI_GETSELECTIONSTART) == from);
        FUZZ_EXPECT(area.SendScintilla(QsciScintilla::SCI_GETSELECTIONEND) == to);
    }

    std::string replaced = text;
    for (auto at = occurrences.rbegin(); at != occurrences.rend(); ++at)
        replaced.replace(std::size_t(*at), plainNeedle.size(), replacement.toStdString());
    int calls = 0;
    const auto count = editor.replaceAll(searched, written, searchFlags,
                                         [&](qint64, qint64) { return ++calls != stopAt; });
    FUZZ_EXPECT(editor.searchFailure().isEmpty() == !refused);
    if (refused || (stopAt > 0 && calls >= stopAt)) {
        FUZZ_EXPECT(!count);
        FUZZ_EXPECT(editor.contents().toStdString() == text);
        FUZZ_EXPECT(!area.isUndoAvailable());
        return 0;
    }
    FUZZ_EXPECT(count == int(occurrences.size()));
    FUZZ_EXPECT(editor.contents().toStdString() == replaced);
    if (!occurrences.empty()) {
        area.undo();
        FUZZ_EXPECT(editor.contents().toStdString() == text);
    }
    return 0;
}
