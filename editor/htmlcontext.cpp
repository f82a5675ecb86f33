#include "htmlcontext.h"

#include "tagreader.h"
#include "vocabulary.h"

#include <algorithm>
#include <vector>

namespace {
bool allOf(const QByteArray &word, bool (*test)(char))
{
    return std::all_of(word.begin(), word.end(), test);
}

// An entity's name being typed at the end of the text, or plain text.
HtmlContext inText(const QByteArray &text)
{
    qsizetype start = text.size();
    while (start > 0 && (isLetter(text.at(start - 1)) || isDigit(text.at(start - 1))))
        --start;
    if (start > 0 && text.at(start - 1) == '&'
        && (start == text.size() || isLetter(text.at(start))))
        return {HtmlContext::Entity, {}, {}, text.mid(start)};
    return {};
}

// A directive's name right behind "<!--#", or a comment.
HtmlContext inComment(const QByteArray &text, qsizetype start)
{
    const QByteArray afterHash = text.mid(start + 5);
    if (startsAt(text, start, "<!--#") && allOf(afterHash, isLetter))
        return {HtmlContext::Directive, {}, {}, afterHash};
    return {HtmlContext::Comment};
}

// The tag that starts at start and goes on to the end of the text.
HtmlContext inTag(const QByteArray &text, qsizetype start)
{
    const qsizetype size = text.size();
    const bool closing = startsAt(text, start, "</");
    qsizetype i = start + (closing ? 2 : 1);
    const qsizetype nameStart = i;
    while (i < size && isNameCharacter(text.at(i)))
        ++i;
    const QByteArray element = text.mid(nameStart, i - nameStart);
    if (closing)
        return {HtmlContext::Tag};
    if (i == size)
        return {HtmlContext::TagName, {}, {}, element};

    for (;;) {
        const qsizetype blanks = i;
        while (i < size && isBlank(text.at(i)))
            ++i;
        if (i == size)
            return {HtmlContext::Tag, element};
        const bool afterBlank = i > blanks;
        const qsizetype nameStart = i;
        while (i < size && !isBlank(text.at(i)) && text.at(i) != '=')
            ++i;
        const QByteArray attribute = text.mid(nameStart, i - nameStart);
        if (i == size) {
            if (afterBlank && allOf(attribute, isNameCharacter))
                return {HtmlContext::AttributeName, element, {}, attribute};
            return {HtmlContext::Tag, element};
        }
        qsizetype equals = i;
        while (equals < size && isBlank(text.at(equals)))
            ++equals;
        if (equals == size || text.at(equals) != '=') {
            i = equals;
            continue; // an attribute with no value
        }
        i = equals + 1;
        while (i < size && isBlank(text.at(i)))
            ++i;
        const char quote = i < size && (text.at(i) == '"' || text.at(i) == '\'') ? text.at(i) : 0;
        const qsizetype valueStart = quote ? i + 1 : i;
        const qsizetype valueEnd = quote ? text.indexOf(quote, valueStart) : [&] {
            qsizetype end = valueStart;
            while (end < size && !isBlank(text.at(end)))
                ++end;
            return end;
        }();
        if (valueEnd < 0 || valueEnd == size)
            return {HtmlContext::Value, element, attribute, text.mid(valueStart), quote};
        i = quote ? valueEnd + 1 : valueEnd;
    }
}
} // namespace

HtmlContext contextBefore(const QByteArray &text)
{
    const Ending ending = forEachTag(text, [](const Tag &) { return true; });
    switch (ending.kind) {
    case Ending::Tag:
        return inTag(text, ending.start);
    case Ending::Comment:
        return inComment(text, ending.start);
    case Ending::Declaration:
        return {HtmlContext::Comment};
    case Ending::RawText:
        return {HtmlContext::RawText};
    case Ending::Text:
        break;
    }
    return inText(text);
}

QByteArray openElementBefore(const QByteArray &text)
{
    struct Open
    {
        qsizetype nameStart;
        qsizetype nameLength;
        const Element *element; // null for one the vocabulary does not know
    };
    std::vector<Open> open;
    const char *data = text.constData();
    const Ending ending = forEachTag(text, [&](const Tag &tag) {
        const char *name = data + tag.nameStart;
        if (tag.closing) {
            for (auto it = open.rbegin(); it != open.rend(); ++it) {
                if (it->nameLength == tag.nameLength
                    && qstrnicmp(data + it->nameStart, name, tag.nameLength) == 0) {
                    open.erase(std::next(it).base(), open.end());
                    break;
                }
            }
            return true;
        }
        const Element *element = Vocabulary::element(name, tag.nameLength);
        while (element && !open.empty() && open.back().element
               && open.back().element->endedBy.contains(element->name))
            open.pop_back();
        if (!tag.selfClosed && !(element && element->empty))
            open.push_back({tag.nameStart, tag.nameLength, element});
        return true;
    });
    if (open.empty() || (ending.kind != Ending::Text && ending.kind != Ending::RawText))
        return {};
    return text.mid(open.back().nameStart, open.back().nameLength);
}

QString inTypedCase(const QString &name, const QByteArray &typed)
{
    const bool upper = !typed.isEmpty() && typed.at(0) >= 'A' && typed.at(0) <= 'Z';
    return upper ? name.toUpper() : name.toLower();
}
