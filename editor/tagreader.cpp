#include "tagreader.h"

#include "vocabulary.h"

#include <QByteArrayList>

#include <algorithm>

bool startsAt(const QByteArray &text, qsizetype at, const char *marker)
{
    const auto length = qsizetype(qstrlen(marker));
    return at + length <= text.size() && qstrncmp(text.constData() + at, marker, length) == 0;
}

bool endTagAt(const char *bytes, qsizetype at, qsizetype known, const char *name)
{
    const auto length = qsizetype(qstrlen(name));
    if (at + 2 + length > known || bytes[at] != '<' || bytes[at + 1] != '/'
        || qstrnicmp(bytes + at + 2, name, length) != 0)
        return false;
    const qsizetype after = at + 2 + length;
    return after == known || isBlank(bytes[after]) || bytes[after] == '/' || bytes[after] == '>';
}

std::optional<Tag> readTag(const QByteArray &text, qsizetype start)
{
    const char *data = text.constData();
    const qsizetype size = text.size();
    Tag tag;
    tag.start = start;
    tag.closing = start + 1 < size && data[start + 1] == '/';
    qsizetype i = start + (tag.closing ? 2 : 1);
    if (i >= size || !isLetter(data[i]))
        return std::nullopt;
    tag.nameStart = i;
    while (i < size && isNameCharacter(data[i]))
        ++i;
    tag.nameLength = i - tag.nameStart;
    const qsizetype nameEnd = i;
    char quote = 0;
    for (; i < size; ++i) {
        const char c = data[i];
        if (quote) {
            if (c == quote)
                quote = 0;
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == '>') {
            tag.end = i + 1;
            // "<BR/>" and "<BR />" close themselves; in "<A HREF=http://x.com/>" the "/"
            // ends the address.
            tag.selfClosed = data[i - 1] == '/' && (i - 1 == nameEnd || isBlank(data[i - 2]));
            return tag;
        }
    }
    return std::nullopt;
}

bool isNamed(const QByteArray &text, const Tag &tag, const QByteArray &name)
{
    return tag.nameLength == name.size()
           && qstrnicmp(text.constData() + tag.nameStart, name.constData(), name.size()) == 0;
}

namespace TagReader {
qsizetype skipPast(const QByteArray &text, const char *marker, qsizetype from)
{
    const qsizetype at = text.indexOf(marker, from);
    return at < 0 ? -1 : at + qsizetype(qstrlen(marker));
}

bool startsRawText(const QByteArray &text, const Tag &tag)
{
    // Asked of every tag of a page: the few names are compared, not looked up.
    static const QByteArrayList names = [] {
        QByteArrayList rawText;
        for (const Element &element : Vocabulary::elements()) {
            if (element.rawText)
                rawText << element.name.toLatin1();
        }
        return rawText;
    }();
    return !tag.closing
           && std::any_of(names.begin(), names.end(), [&](const QByteArray &name) {
                  return isNamed(text, tag, name);
              });
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
