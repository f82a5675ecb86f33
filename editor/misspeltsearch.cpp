#include "misspeltsearch.h"

#include "editor.h"
#include "wordfinder.h"

#include "document/speller.h"

#include <limits>

namespace {
// What one step reads: a few milliseconds of work.
constexpr long pieceSize = 256 * 1024;
} // namespace

MisspeltSearch::MisspeltSearch(Editor &editor, Speller &speller)
    : QObject(&editor)
    , m_editor(editor)
    , m_speller(speller)
{
    m_steps.setInterval(0);
    connect(&m_steps, &QTimer::timeout, this, &MisspeltSearch::step);
}

void MisspeltSearch::start(long from)
{
    m_correct.clear(); // perhaps of another language
    m_end = from;
    m_wrapped = false;
    resume(from);
}

void MisspeltSearch::resume(long from)
{
    const long pieceStart = std::max(0L, from - long(readingLookBack));
    const QByteArray before = m_editor.heldRange(pieceStart, from);
    m_at = pieceStart + long(readingStart(before, from - pieceStart));
    m_skipTo = from;
    m_pieceSize = pieceSize;
    m_steps.start();
}

void MisspeltSearch::moveEnd(long at, long delta)
{
    if (at < m_end)
        m_end += delta;
}

void MisspeltSearch::step()
{
    const long length = m_editor.textLength();
    const long last = m_wrapped ? m_end : length;
    const bool whole = m_at + m_pieceSize >= length;
    const QByteArray piece = m_editor.heldRange(m_at, whole ? length : m_at + m_pieceSize);
    const WordScan scan = whole ? WordScan{findWords(piece), piece.size()}
                                : findWordsInPiece(piece);
    for (const PageWord &word : scan.words) {
        const TextRange range{m_at + long(word.start), m_at + long(word.end)};
        if (m_wrapped && range.start >= m_end)
            break;
        if (range.end <= m_skipTo)
            continue;
        const QByteArray bytes
            = QByteArray::fromRawData(piece.constData() + word.start, word.end - word.start);
        if (m_correct.contains(bytes))
            continue;
        const QString text = wordText(piece, word);
        if (!m_speller.isCorrect(text)) {
            m_steps.stop();
            emit found(range, text);
            return;
        }
        m_correct.insert(QByteArray(bytes.constData(), bytes.size()));
    }
    if (scan.end == 0 && !whole) {
        m_pieceSize *= 2; // a tag, comment or script longer than a piece
        return;
    }
    m_pieceSize = pieceSize;
    m_at += long(scan.end);
    if (m_at >= last || whole) {
        if (m_wrapped || m_end == 0) {
            m_steps.stop();
            emit roundEnded();
            return;
        }
        m_wrapped = true;
        m_at = m_skipTo = 0;
    }
}
