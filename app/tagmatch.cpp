#include "tagmatch.h"

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
    qsizetype start; // at the '<'
    qsizetype end;   // behind the '>'
    QByteArray name; // upper case
    bool closing;
    bool selfClosed;
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

// Elements whose contents are text, never tags.
bool holdsRawText(const QByteArray &name)
{
    return name == "SCRIPT" || name == "STYLE" || name == "XMP";
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
qsizetype endTagOf(const QByteArray &text, const QByteArray &name, qsizetype from)
{
    const QByteArray closing = "</" + name;
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
    const bool closing = start + 1 < text.size() && text[start + 1] == '/';
    qsizetype i = start + (closing ? 2 : 1);
    if (i >= text.size() || !isLetter(text[i]))
        return std::nullopt;
    const qsizetype nameStart = i;
    while (i < text.size() && isNameCharacter(text[i]))
        ++i;
    Tag tag{start, 0, text.mid(nameStart, i - nameStart).toUpper(), closing, false};
    char quote = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (quote) {
            if (c == quote)
                quote = 0;
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == '>') {
            tag.end = i + 1;
            tag.selfClosed = text[i - 1] == '/';
            return tag;
        }
    }
    return std::nullopt;
}

std::vector<Tag> readTags(const QByteArray &text)
{
    std::vector<Tag> tags;
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
        tags.push_back(*tag);
        i = tag->end;
        if (!tag->closing && holdsRawText(tag->name))
            i = endTagOf(text, tag->name, i);
    }
    return tags;
}

bool caretInName(const Tag &tag, qsizetype caret)
{
    const qsizetype nameStart = tag.start + (tag.closing ? 2 : 1);
    return caret >= nameStart && caret <= nameStart + tag.name.size();
}

template<class Iterator>
std::optional<Tag> partner(Iterator from, Iterator to, const Tag &tag)
{
    int depth = 1;
    for (Iterator it = from; it != to; ++it) {
        if (it->name != tag.name || it->selfClosed)
            continue;
        depth += it->closing == tag.closing ? 1 : -1;
        if (depth == 0)
            return *it;
    }
    return std::nullopt;
}
} // namespace

std::vector<TextRange> matchingTags(const QByteArray &text, qsizetype caret)
{
    const std::vector<Tag> tags = readTags(text);
    const auto here = std::find_if(tags.begin(), tags.end(),
                                   [caret](const Tag &tag) { return caretInName(tag, caret); });
    if (here == tags.end() || here->selfClosed || hasNoEndTag(here->name))
        return {};
    const std::optional<Tag> other
        = here->closing ? partner(std::make_reverse_iterator(here), tags.rend(), *here)
                        : partner(here + 1, tags.end(), *here);
    if (!other)
        return {};
    return {{long(here->start), long(here->end)}, {long(other->start), long(other->end)}};
}

void markMatchingTags(Editor &editor)
{
    // Most caret moves are nowhere near a tag name: a glance before the caret settles them.
    const long caret = editor.caretOffset();
    const QByteArray before = editor.heldText(caret - nameReach, caret);
    qsizetype i = before.size();
    while (i > 0 && isNameCharacter(before[i - 1]))
        --i;
    const bool maybeInName = (i > 0 && before[i - 1] == '<')
                             || (i > 1 && before[i - 1] == '/' && before[i - 2] == '<');
    if (!maybeInName) {
        editor.markTags({});
        return;
    }
    const long from = std::max(0L, caret - searchReach);
    std::vector<TextRange> ranges
        = matchingTags(editor.heldText(from, caret + searchReach), caret - from);
    for (TextRange &range : ranges)
        range = {range.start + from, range.end + from};
    std::sort(ranges.begin(), ranges.end(),
              [](const TextRange &a, const TextRange &b) { return a.start < b.start; });
    editor.markTags(ranges);
}
