#include "documentloader.h"

#include <Qsci/qsciscintilla.h>

#include <QByteArray>

#include <algorithm>

DocumentLoader::DocumentLoader()
    : m_holder(std::make_unique<QsciScintilla>())
{
    m_holder->setUtf8(true);
    m_holder->setEolMode(QsciScintilla::EolUnix);
    // The colouring is the editor's own (HtmlLexer), asked for by what it shows and lays
    // out; the document needs nothing set up for it.
    m_holder->SendScintilla(QsciScintilla::SCI_SETMODEVENTMASK, 0UL);
    m_holder->SendScintilla(QsciScintilla::SCI_SETUNDOCOLLECTION, 0UL);
}

DocumentLoader::~DocumentLoader() = default;

void DocumentLoader::reserve(qint64 size)
{
    m_expected = size; // the room is made with the first chunk
}

void DocumentLoader::add(const char *data, qsizetype size)
{
    if (m_read == 0)
        makeRoom(data, size);
    m_read += size;
    append(data, size);
    if (m_spareBreak) {
        m_holder->SendScintilla(QsciScintilla::SCI_DELETERANGE, 0UL, 1L);
        m_spareBreak = false;
    }
}

// Room to grow, so that typing need not copy the whole text. The room is held twice, for
// the text and for its colours, so a little has to do. The line index grows by a sixth at
// a time, each time into a copy beside the old one (7 MB twice for a 100 MB page), so it
// gets its room before the text does: lines made and taken away again leave room for as
// many as the first chunk promises, but no more than lines of 32 bytes would need: a first
// megabyte of blank lines tells little of the rest, and a page of shorter lines only grows
// its index as any page does. One break stays until the chunk is in, as taking away the
// whole text starts the index afresh.
void DocumentLoader::makeRoom(const char *data, qsizetype size)
{
    if (m_expected <= 0)
        return;
    constexpr qint64 shortLine = 32;
    const qint64 newlines = std::count(data, data + size, '\n');
    const qint64 lines = newlines > 0 && m_expected >= 4 * qint64(size)
        ? std::min(m_expected / shortLine, newlines * (m_expected / size + 1) * 9 / 8)
        : 0;
    if (lines > 0) { // none for a page under 32 bytes: its spare break would be its own
        const QByteArray breaks(lines, '\n');
        m_holder->SendScintilla(QsciScintilla::SCI_APPENDTEXT, static_cast<uintptr_t>(lines),
                                breaks.constData());
        m_holder->SendScintilla(QsciScintilla::SCI_DELETERANGE, 0UL, static_cast<long>(lines - 1));
        m_spareBreak = true;
    }
    m_holder->SendScintilla(QsciScintilla::SCI_ALLOCATE,
                            static_cast<unsigned long>(m_expected + (1 << 16)));
}

void DocumentLoader::append(const char *data, qsizetype size)
{
    if (m_encoding == Encoding::Utf8) {
        const bool heldAscii = m_utf8.isAscii();
        m_utf8.add(data, size);
        if (!m_utf8.hasFailed()) {
            m_holder->SendScintilla(QsciScintilla::SCI_APPENDTEXT, static_cast<uintptr_t>(size),
                                    data);
            return;
        }
        holdAsWindows1252(heldAscii);
    }
    QByteArray text;
    appendFromWindows1252(text, data, size);
    m_holder->SendScintilla(QsciScintilla::SCI_APPENDTEXT,
                            static_cast<uintptr_t>(text.size()), text.constData());
}

void DocumentLoader::holdAsWindows1252(bool heldAscii)
{
    m_encoding = Encoding::Windows1252;
    if (heldAscii)
        return; // plain ASCII reads the same either way
    const auto held = static_cast<const char *>(
        m_holder->SendScintillaPtrResult(QsciScintilla::SCI_GETCHARACTERPOINTER));
    QByteArray text;
    appendFromWindows1252(text, held, m_holder->SendScintilla(QsciScintilla::SCI_GETLENGTH));
    m_holder->SendScintilla(QsciScintilla::SCI_CLEARALL);
    m_holder->SendScintilla(QsciScintilla::SCI_APPENDTEXT,
                            static_cast<uintptr_t>(text.size()), text.constData());
}

Encoding DocumentLoader::finish()
{
    if (m_encoding == Encoding::Utf8 && !m_utf8.isValid())
        holdAsWindows1252(false); // the file ends inside a character
    m_holder->SendScintilla(QsciScintilla::SCI_SETUNDOCOLLECTION, 1UL);
    m_holder->SendScintilla(QsciScintilla::SCI_EMPTYUNDOBUFFER);
    m_holder->SendScintilla(QsciScintilla::SCI_SETSAVEPOINT);
    return m_encoding;
}
