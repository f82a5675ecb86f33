#include "escapeplaces.h"

namespace {
Escape rawTextEscape(const QByteArray &page, const Tag &tag)
{
    if (isNamed(page, tag, "SCRIPT"))
        return Escape::Script;
    if (isNamed(page, tag, "STYLE"))
        return Escape::Css;
    return Escape::Reference; // XMP shows its text as it stands: no escape helps there
}

Escape valueEscape(const char *name, qsizetype length)
{
    if (length > 2 && qstrnicmp(name, "on", 2) == 0) // ONCLICK, onload: event handlers
        return Escape::Script;
    if (length == 5 && qstrnicmp(name, "style", 5) == 0)
        return Escape::Css;
    return Escape::Reference;
}
} // namespace

EscapePlaces::EscapePlaces(const QByteArray &page)
    : m_page(page)
{
}

Escape EscapePlaces::at(qsizetype offset)
{
    while (m_end <= offset && m_end < m_page.size())
        readPiece();
    if (offset < m_start || offset >= m_end)
        return Escape::Reference;
    return m_tag ? inTag(offset) : m_escape;
}

void EscapePlaces::readPiece()
{
    const qsizetype size = m_page.size();
    if (m_rawTextFollows) {
        m_rawTextFollows = false;
        const qsizetype endTag = TagReader::endTagOf(m_page, *m_tag);
        m_escape = rawTextEscape(m_page, *m_tag);
        m_start = m_tag->end;
        m_end = endTag < 0 ? size : endTag;
        m_tag.reset();
        return;
    }
    m_tag.reset();
    m_escape = Escape::Reference;
    for (qsizetype i = m_end;; ++i) {
        i = m_page.indexOf('<', i);
        if (i < 0) {
            m_start = m_end = size;
            return;
        }
        m_start = i;
        const char next = i + 1 < size ? m_page.at(i + 1) : '\0';
        if (next == '!' || next == '?') {
            const bool comment = startsAt(m_page, i, "<!--"); // also a server-side include
            const qsizetype end
                = TagReader::skipPast(m_page, comment ? "-->" : ">", i + (comment ? 4 : 2));
            m_end = end < 0 ? size : end;
            return;
        }
        if ((m_tag = readTag(m_page, i))) {
            m_end = m_tag->end;
            m_rawTextFollows = TagReader::startsRawText(m_page, *m_tag);
            m_values.reset();
            return;
        }
    }
}

Escape EscapePlaces::inTag(qsizetype offset)
{
    if (!m_values) {
        readValues();
        m_nextValue = 0;
    }
    const std::vector<Value> &values = *m_values;
    while (m_nextValue < values.size() && values[m_nextValue].end <= offset)
        ++m_nextValue;
    if (m_nextValue < values.size() && values[m_nextValue].start <= offset)
        return values[m_nextValue].escape;
    return Escape::Reference;
}

void EscapePlaces::readValues()
{
    m_values.emplace();
    const char *page = m_page.constData();
    const qsizetype end = m_tag->end - 1; // at the '>'
    qsizetype i = m_tag->nameStart + m_tag->nameLength;
    const auto skipBlanks = [&](qsizetype at) {
        while (at < end && isBlank(page[at]))
            ++at;
        return at;
    };
    while ((i = skipBlanks(i)) < end) {
        const qsizetype name = i;
        while (i < end && !isBlank(page[i]) && page[i] != '=')
            ++i;
        const qsizetype nameEnd = i;
        i = skipBlanks(i);
        if (i == end || page[i] != '=')
            continue; // an attribute with no value
        i = skipBlanks(i + 1);
        const char quote = i < end && (page[i] == '"' || page[i] == '\'') ? page[i] : '\0';
        const qsizetype start = quote ? i + 1 : i;
        qsizetype valueEnd = start;
        while (valueEnd < end && (quote ? page[valueEnd] != quote : !isBlank(page[valueEnd])))
            ++valueEnd;
        m_values->push_back({start, valueEnd, valueEscape(page + name, nameEnd - name)});
        i = quote && valueEnd < end ? valueEnd + 1 : valueEnd;
    }
}
