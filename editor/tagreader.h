#pragma once

#include <QByteArray>

#include <optional>

// Reads HTML's tags out of bytes, as tag matching and completion see them.

struct Tag
{
    qsizetype start = 0; // at the '<'
    qsizetype end = 0;   // behind the '>'
    qsizetype nameStart = 0;
    qsizetype nameLength = 0;
    bool closing = false;
    bool selfClosed = false; // "/>" right after the name or a blank

    QByteArray name(const QByteArray &text) const { return text.mid(nameStart, nameLength); }
};

// What the end of the text stands in, after its last whole tag.
struct Ending
{
    enum Kind { Text, Tag, Comment, Declaration, RawText };
    Kind kind = Text;
    qsizetype start = 0; // where the unfinished tag, comment, declaration or raw text begins
};

// HTML's own classes of characters, ASCII only.
inline bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

inline bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

inline bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Whether bytes[at] is the last byte of a line end, as the editor counts lines: LF, or CR
// without LF after it among the known bytes.
inline bool endsLine(const char *bytes, qsizetype at, qsizetype known)
{
    return bytes[at] == '\n' || (bytes[at] == '\r' && !(at + 1 < known && bytes[at + 1] == '\n'));
}

inline bool isNameCharacter(char c)
{
    return isLetter(c) || (c >= '0' && c <= '9') || c == '-' || c == ':' || c == '.' || c == '_';
}
bool startsAt(const QByteArray &text, qsizetype at, const char *marker);
// Whether bytes[at] starts the end tag that ends a SCRIPT or STYLE element as browsers end
// it: "</", the name (lower case here) in any case, and a blank, "/", ">" or the end of the
// bytes, of which known are there.
bool endTagAt(const char *bytes, qsizetype at, qsizetype known, const char *name);
// The tag whose '<' is at start; quoted attribute values may hold a '>'.
std::optional<Tag> readTag(const QByteArray &text, qsizetype start);
bool isNamed(const QByteArray &text, const Tag &tag, const QByteArray &name);

// Hands each tag outside comments, directives, declarations and the text of SCRIPT,
// STYLE and XMP to visit, in order, until visit returns false; tells what the text ends
// in when visit never said stop.
template<class Visit>
Ending forEachTag(const QByteArray &text, Visit visit);

namespace TagReader {
qsizetype skipPast(const QByteArray &text, const char *marker, qsizetype from);
// Whether the tag starts an element whose contents are text, never tags.
bool startsRawText(const QByteArray &text, const Tag &tag);
// Where the end tag of the element named like the tag starts, in any case; -1 without one.
qsizetype endTagOf(const QByteArray &text, const Tag &tag);
} // namespace TagReader

template<class Visit>
Ending forEachTag(const QByteArray &text, Visit visit)
{
    using namespace TagReader;
    const qsizetype size = text.size();
    qsizetype i = 0;
    std::optional<qsizetype> unfinished; // a tag left open since the last whole one
    while ((i = text.indexOf('<', i)) >= 0) {
        const qsizetype start = i;
        const char next = i + 1 < size ? text.at(i + 1) : '\0';
        if (next == '!' || next == '?') {
            const bool comment = startsAt(text, i, "<!--"); // also a server-side include
            i = skipPast(text, comment ? "-->" : ">", i + (comment ? 4 : 2));
            if (i < 0)
                return {comment ? Ending::Comment : Ending::Declaration, start};
            continue;
        }
        const std::optional<Tag> tag = readTag(text, i);
        if (!tag) {
            const qsizetype name = i + (next == '/' ? 2 : 1);
            if (!unfinished && name < size && isLetter(text.at(name)))
                unfinished = i;
            ++i;
            continue;
        }
        unfinished.reset();
        if (!visit(*tag))
            return {};
        i = tag->end;
        if (startsRawText(text, *tag)) {
            i = endTagOf(text, *tag);
            if (i < 0)
                return {Ending::RawText, tag->end};
        }
    }
    if (unfinished)
        return {Ending::Tag, *unfinished};
    return {};
}
