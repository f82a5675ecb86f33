#include "spellmarks.h"

#include "editor.h"
#include "wordfinder.h"

#include "document/speller.h"

#include <limits>

namespace {
// How long typing or scrolling rests before the words on screen are checked.
constexpr int pauseMilliseconds = 250;
// Where a page's HTML and BODY start tags are looked for.
constexpr long pageHead = 64 * 1024;
} // namespace

SpellMarks::SpellMarks(Editor &editor, Speller &speller)
    : QObject(&editor)
    , m_editor(editor)
    , m_speller(speller)
{
    m_pause.setSingleShot(true);
    m_pause.setInterval(pauseMilliseconds);
    connect(&m_pause, &QTimer::timeout, this, &SpellMarks::check);
    connect(&editor, &Editor::textEdited, this, [this] {
        m_edited = true;
        schedule();
    });
    connect(&editor, &Editor::caretMoved, this, &SpellMarks::schedule);
    connect(&editor, &Editor::viewMoved, this, &SpellMarks::schedule);
    connect(&speller, &Speller::dictionaryReady, this, &SpellMarks::schedule);
}

void SpellMarks::setOn(bool on)
{
    m_on = on;
    if (on)
        schedule();
    else
        m_editor.markMisspelt(0, std::numeric_limits<long>::max(), {});
}

void SpellMarks::followPage()
{
    m_speller.followPage(pageLanguage(m_editor.heldRange(0, pageHead)));
}

void SpellMarks::check()
{
    m_pause.stop();
    if (!m_on)
        return;
    followPage();
    const long caret = m_editor.caretOffset();
    if (m_edited)
        m_typedAt = caret;
    m_edited = false;
    bool typedWordLeft = true;
    for (const TextRange &shown : m_editor.shownRanges()) {
        std::vector<TextRange> misspelt;
        if (m_speller.isReady())
            misspelt = misspeltIn(shown, caret, typedWordLeft);
        m_editor.markMisspelt(shown.start, shown.end, misspelt);
    }
    // Back in a word typed before, the caret leaves its mark alone.
    if (m_speller.isReady() && typedWordLeft)
        m_typedAt = -1;
}

// The misspelt words in the range, read from where the page's text around it starts; the
// word being typed is left out, and typedWordLeft cleared when it is in the range.
std::vector<TextRange> SpellMarks::misspeltIn(TextRange shown, long caret, bool &typedWordLeft)
{
    const long pieceStart = std::max(0L, shown.start - long(readingLookBack));
    const QByteArray piece = m_editor.heldRange(pieceStart, shown.end);
    const qsizetype start = readingStart(piece, shown.start - pieceStart);
    const QByteArray text = piece.mid(start);
    const long offset = pieceStart + long(start);
    std::vector<TextRange> misspelt;
    for (const PageWord &word : findWords(text)) {
        const TextRange range{offset + long(word.start), offset + long(word.end)};
        if (range.end <= shown.start)
            continue;
        const bool typing = range.start <= caret && caret <= range.end;
        if (typing && range.start <= m_typedAt && m_typedAt <= range.end) {
            typedWordLeft = false;
            continue;
        }
        if (!m_speller.isCorrect(wordText(text, word)))
            misspelt.push_back(range);
    }
    return misspelt;
}

void SpellMarks::schedule()
{
    if (m_on)
        m_pause.start();
}
