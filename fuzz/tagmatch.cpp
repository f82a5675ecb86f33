// Any bytes and caret: the tags found lie within the text, and there is a pair only where
// a plain matcher finds the same pair. The plain one lists every tag of the text first,
// then walks the list; which elements have no end tag or hold text is the vocabulary's.
#include "fuzzing.h"

#include "editor/tagmatch.h"
#include "editor/vocabulary.h"

#include <QByteArray>

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

namespace {
struct Tag
{
    std::size_t start, end; // the '<', behind the '>'
    std::size_t nameStart, nameEnd;
    std::string name; // upper case
    bool closing, selfClosed;
};

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

bool isNameCharacter(char c)
{
    return isLetter(c) || (c >= '0' && c <= '9') || c == '-' || c == ':' || c == '.' || c == '_';
}

std::string upper(std::string text)
{
    for (char &c : text)
        c = char(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

bool startsWith(const std::string &text, std::size_t at, const std::string &prefix)
{
    return text.compare(at, prefix.size(), prefix) == 0;
}

// Every tag outside comments ("<!--" to "-->"), directives ("<!", "<?" to ">") and the
// contents of the elements that hold text (SCRIPT).
std::vector<Tag> tagsOf(const std::string &text)
{
    std::vector<Tag> tags;
    std::size_t i = 0;
    while (i < text.size()) {
        if (text[i] != '<') {
            ++i;
            continue;
        }
        if (startsWith(text, i, "<!") || startsWith(text, i, "<?")) {
            const bool comment = startsWith(text, i, "<!--");
            const std::string closer = comment ? "-->" : ">";
            const std::size_t end = text.find(closer, i + (comment ? 4 : 2));
            i = end == std::string::npos ? text.size() : end + closer.size();
            continue;
        }
        Tag tag{i, 0, 0, 0, {}, i + 1 < text.size() && text[i + 1] == '/', false};
        tag.nameStart = tag.nameEnd = i + (tag.closing ? 2 : 1);
        while (tag.nameEnd < text.size() && isNameCharacter(text[tag.nameEnd]))
            ++tag.nameEnd;
        std::size_t end = tag.nameEnd;
        for (char quote = 0; end < text.size() && (quote || text[end] != '>'); ++end) {
            if (quote == 0 && (text[end] == '"' || text[end] == '\''))
                quote = text[end];
            else if (text[end] == quote)
                quote = 0;
        }
        if (tag.nameEnd == tag.nameStart || !isLetter(text[tag.nameStart]) || end == text.size()) {
            ++i;
            continue;
        }
        tag.end = end + 1;
        tag.selfClosed
            = text[end - 1] == '/' && (end - 1 == tag.nameEnd || isBlank(text[end - 2]));
        tag.name = upper(text.substr(tag.nameStart, tag.nameEnd - tag.nameStart));
        tags.push_back(tag);
        i = tag.end;
        const Element *element = Vocabulary::element(QString::fromStdString(tag.name));
        if (!tag.closing && element && element->rawText) {
            const std::string rest = upper(text.substr(i));
            const std::size_t close = rest.find("</" + tag.name);
            i = close == std::string::npos ? text.size() : i + close;
        }
    }
    return tags;
}

std::vector<TextRange> plainMatch(const std::string &text, std::size_t caret)
{
    const std::vector<Tag> tags = tagsOf(text);
    const auto here = std::find_if(tags.begin(), tags.end(), [&](const Tag &tag) {
        return tag.nameStart <= caret && caret <= tag.nameEnd;
    });
    if (here == tags.end() || here->selfClosed)
        return {};
    const Element *element = Vocabulary::element(QString::fromStdString(here->name));
    if (element && element->empty)
        return {};
    const long step = here->closing ? -1 : 1;
    int depth = 0;
    for (long i = here - tags.begin(); i >= 0 && i < long(tags.size()); i += step) {
        const Tag &tag = tags[i];
        if (tag.name != here->name || tag.selfClosed)
            continue;
        depth += tag.closing == here->closing ? 1 : -1;
        if (depth == 0)
            return {{long(here->start), long(here->end)}, {long(tag.start), long(tag.end)}};
    }
    return {};
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *bytes, size_t size)
{
    FuzzedDataProvider data(bytes, size);
    const std::size_t caretPick = data.ConsumeIntegral<std::uint16_t>();
    const std::string text = data.ConsumeRemainingBytesAsString();
    const std::size_t caret = caretPick % (text.size() + 1);

    const std::vector<TextRange> ranges
        = matchingTags(QByteArray::fromStdString(text), qsizetype(caret));
    FUZZ_EXPECT(ranges.empty() || ranges.size() == 2);
    for (const TextRange &range : ranges) {
        FUZZ_EXPECT(range.start >= 0 && range.start < range.end && range.end <= long(text.size()));
        FUZZ_EXPECT(text[range.start] == '<' && text[range.end - 1] == '>');
    }
    FUZZ_EXPECT(ranges.empty() || ranges == plainMatch(text, caret));
    return 0;
}
