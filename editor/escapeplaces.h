#pragma once

#include "tagreader.h"

#include "document/encoding.h"

#include <QByteArray>

#include <optional>
#include <vector>

// The escape each place of an HTML page understands: JavaScript's inside SCRIPT and in
// on...="" values, CSS's inside STYLE and in STYLE="" values, a character reference
// anywhere else. Tags are read as tag matching and completion read them. Asked for places
// in the order they stand in, it reads the page once from its start and only as far as the
// last place asked for, so a page with nothing to escape costs nothing, and a SCRIPT or
// STYLE of any length is known as such.
class EscapePlaces
{
public:
    explicit EscapePlaces(const QByteArray &page);

    Escape at(qsizetype offset);

private:
    struct Value
    {
        qsizetype start;
        qsizetype end;
        Escape escape;
    };

    // The next tag, comment, declaration or contents of SCRIPT, STYLE or XMP.
    void readPiece();
    Escape inTag(qsizetype offset);
    void readValues();

    QByteArray m_page;
    // The piece read last; the text before it needs references.
    qsizetype m_start = 0;
    qsizetype m_end = 0;
    Escape m_escape = Escape::Reference; // of a piece that is not a tag
    std::optional<Tag> m_tag;
    bool m_rawTextFollows = false;
    // The tag's values, read when a place first falls in the tag.
    std::optional<std::vector<Value>> m_values;
    std::size_t m_nextValue = 0;
};
