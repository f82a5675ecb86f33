#include "tagmatch.h"

#include "editor.h"

#include <QByteArrayList>

#include <algorithm>
#include <optional>

namespace {
// How far the partner is looked for on either side, so that a large page stays fast.
constexpr long searchReach = 1L << 17;
// Longer names are not looked at.
constexpr long nameReach = 64;

struct Tag
{
    qsizetype start = 0; // at the '<'
    qsizetype end = 0;   // behind the '>'
    qsizetype nameStart = 0;
    qsizetype nameLength = 0;
    bool closing = false;
    bool selfClosed = false;
};

bool isNameCharacter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')
           || c == '-' || c == ':' || c == '.' || c == '_';
}

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool hasNoEndTag(const QByteArray &name)
{
    static const QByteArrayList names = {
        "AREA", "BASE", "BASEFONT", "BGSOUND", "BR", "COL", "EMBED", "FRAME", "HR",
        "IMG", "INPUT", "ISINDEX", "KEYGEN", "LINK", "META", "NEXTID", "PARAM", "SOURCE",
        "SPACER", "TRACK", "WBR"};
    return names.contains(name);
}


bool startsAt(const QByteArray &text, qsizetype at, const char *marker)
{
    const auto length = qsizetype(qstrlen(marker));
    return at + length <= text.size() && qstrncmp(text.constData() + at, marker, length) == 0;
}

qsizetype skipPast(const QByteArray &text, const char *marker, qsizetype from)
{
    const qsizetype at = text.indexOf(marker, from);
    return at < 0 ? text.size() : at + qsizetype(qstrlen(marker));
}

// Where the end tag of a raw-text element starts, in any case; the text's end without one.
qsizetype endTagOf(const QByteArray &text, const char *name, qsizetype from)
{
    const QByteArray closing = QByteArray("</") + name;
    for (qsizetype at = from; (at = text.indexOf("</", at)) >= 0; at += 2) {
        if (at + closing.size() <= text.size()
            && qstrnicmp(text.constData() + at, closing.constData(), closing.size()) == 0)
            return at;
    }
    return text.size();
}

// Reads the tag whose '<' is at start; quoted attribute values may hold a '>'.
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

// The element whose contents are text, never tags, that the tag starts; none for others.
const char *rawTextElement(const QByteArray &text, const Tag &tag)
{
    for (const char *name : {"SCRIPT", "STYLE", "XMP"}) {
        if (!tag.closing && isNamed(text, tag, name))
            return name;
    }
    return nullptr;
}

// Hands each tag outside comments, directives and raw text to visit, in order, until
// visit returns false.
template<class Visit>
void forEachTag(const QByteArray &text, Visit visit)
{
    qsizetype i = 0;
    while ((i = text.indexOf('<', i)) >= 0) {
        if (startsAt(text, i, "<!--")) {
            i = skipPast(text, "-->", i + 4); // comments and server-side includes
            continue;
        }
        if (startsAt(text, i, "<!") || startsAt(text, i, "<?")) {
            i = skipPast(text, ">", i + 2);
            continue;
        }
        const std::optional<Tag> tag = readTag(text, i);
        if (!tag) {
            ++i;
            continue;
        }
        if (!visit(*tag))
            return;
        i = tag->end;
        if (const char *element = rawTextElement(text, *tag))
            i = endTagOf(text, element, i);
    }
}
} // namespace

std::vector<TextRange> matchingTags(const QByteArray &text, qsizetype caret)
{
    // The name the caret stands in, if any; then the tags of that name around it.
    qsizetype nameStart = caret;
    while (nameStart > 0 && isNameCharacter(text.at(nameStart - 1)))
        --nameStart;
    qsizetype nameEnd = caret;
    while (nameEnd < text.size() && isNameCharacter(text.at(nameEnd)))
        ++nameEnd;
    const QByteArray name = text.mid(nameStart, nameEnd - nameStart).toUpper();
    if (name.isEmpty() || hasNoEndTag(name))
        return {};
    auto sameName = [&](const Tag &tag) { return isNamed(text, tag, name.constData()); };

    std::vector<Tag> before; // of the same name
    std::optional<Tag> here;
    std::optional<Tag> partner;
    int depth = 1;
    forEachTag(text, [&](const Tag &tag) {
        if (!here) {
            if (tag.nameStart == nameStart)
                here = tag;
            else if (tag.start > caret)
                return false; // the caret's tag is in a comment or a script
            else if (sameName(tag))
                before.push_back(tag);
            return here ? !here->closing : true;
        }
        if (sameName(tag) && !tag.selfClosed) {
            depth += tag.closing ? -1 : 1;
            if (depth == 0)
                partner = tag;
        }
        return !partner;
    });
    if (!here || here->selfClosed)
        return {};
    if (here->closing) {
        for (auto it = before.rbegin(); it != before.rend() && !partner; ++it) {
            if (it->selfClosed)
                continue;
            depth += it->closing ? 1 : -1;
            if (depth == 0)
                partner = *it;
        }
    }
    if (!partner)
        return {};
    return {{long(here->start), long(here->end)}, {long(partner->start), long(partner->end)}};
}

void markMatchingTags(Editor &editor)
{
    // Most caret moves are nowhere near a tag name: a glance before the caret settles them.
    const long caret = editor.caretOffset();
    const QByteArray before = editor.heldRange(caret - nameReach, caret);
    qsizetype i = before.size();
    while (i > 0 && isNameCharacter(before.at(i - 1)))
        --i;
    const bool maybeInName = (i > 0 && before.at(i - 1) == '<')
                             || (i > 1 && before.at(i - 1) == '/' && before.at(i - 2) == '<');
    if (!maybeInName) {
        editor.markTags({});
        return;
    }
    const long from = std::max(0L, caret - searchReach);
    std::vector<TextRange> ranges
        = matchingTags(editor.heldRange(from, caret + searchReach), caret - from);
    for (TextRange &range : ranges)
        range = {range.start + from, range.end + from};
    std::sort(ranges.begin(), ranges.end(),
              [](const TextRange &a, const TextRange &b) { return a.start < b.start; });
    editor.markTags(ranges);
}
