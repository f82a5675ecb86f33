#include "tagreader.h"

#include "vocabulary.h"

bool isNameCharacter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')
           || c == '-' || c == ':' || c == '.' || c == '_';
}

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool startsAt(const QByteArray &text, qsizetype at, const char *marker)
{
    const auto length = qsizetype(qstrlen(marker));
    return at + length <= text.size() && qstrncmp(text.constData() + at, marker, length) == 0;
}

std::optional<Tag> readTag(const QByteArray &text, qsizetype start)
{
    Tag tag;
    tag.start = start;
    tag.closing = start + 1 < text.size() && text.at(start + 1) == '/';
    qsizetype i = start + (tag.closing ? 2 : 1);
    if (i >= text.size() || !isLetter(text.at(i)))
        return std::nullopt;
    tag.nameStart = i;
    while (i < text.size() && isNameCharacter(text.at(i)))
        ++i;
    tag.nameLength = i - tag.nameStart;
    char quote = 0;
    for (; i < text.size(); ++i) {
        const char c = text.at(i);
        if (quote) {
            if (c == quote)
                quote = 0;
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == '>') {
            tag.end = i + 1;
            tag.selfClosed = text.at(i - 1) == '/';
            return tag;
        }
    }
    return std::nullopt;
}

bool isNamed(const QByteArray &text, const Tag &tag, const char *name)
{
    return tag.nameLength == qsizetype(qstrlen(name))
           && qstrnicmp(text.constData() + tag.nameStart, name, tag.nameLength) == 0;
}

namespace TagReader {
qsizetype skipPast(const QByteArray &text, const char *marker, qsizetype from)
{
    const qsizetype at = text.indexOf(marker, from);
    return at < 0 ? -1 : at + qsizetype(qstrlen(marker));
}

bool startsRawText(const QByteArray &text, const Tag &tag)
{
    if (tag.closing)
        return false;
    const Element *element = Vocabulary::element(text.constData() + tag.nameStart,
                                                 tag.nameLength);
    return element && element->rawText;
}

qsizetype endTagOf(const QByteArray &text, const Tag &tag)
{
    const QByteArray closing = "</" + tag.name(text);
    for (qsizetype at = tag.end; (at = text.indexOf("</", at)) >= 0; at += 2) {
        if (at + closing.size() <= text.size()
            && qstrnicmp(text.constData() + at, closing.constData(), closing.size()) == 0)
            return at;
    }
    return -1;
}
} // namespace TagReader
