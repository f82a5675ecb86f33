#include "tagmatch.h"

#include "editor.h"
#include "tagreader.h"
#include "vocabulary.h"

#include <algorithm>
#include <optional>

namespace {
// How far the partner is looked for on either side, so that a large page stays fast.
constexpr long searchReach = 1L << 17;
// Longer names are not looked at.
constexpr long nameReach = 64;

bool hasNoEndTag(const QByteArray &name)
{
    const Element *element = Vocabulary::element(name.constData(), name.size());
    return element && element->empty;
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
    const QByteArray name = text.mid(nameStart, nameEnd - nameStart);
    if (name.isEmpty() || hasNoEndTag(name))
        return {};
    auto sameName = [&](const Tag &tag) { return isNamed(text, tag, name); };

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
