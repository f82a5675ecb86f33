// Any bytes before the caret, as completion reads them: what is being typed there is the
// end of the text, in the shape its kind has, and the element still open is one the text
// starts with a tag of that spelling.
#include "fuzzing.h"

#include "editor/htmlcontext.h"
#include "editor/tagreader.h"

#include <QByteArray>

#include <algorithm>

namespace {
bool isName(const QByteArray &word)
{
    return std::all_of(word.begin(), word.end(), isNameCharacter);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *bytes, size_t size)
{
    const QByteArray text(reinterpret_cast<const char *>(bytes), qsizetype(size));

    const HtmlContext context = contextBefore(text);
    FUZZ_EXPECT(context.kind >= HtmlContext::Text && context.kind <= HtmlContext::RawText);
    FUZZ_EXPECT(context.quote == 0 || context.quote == '"' || context.quote == '\'');
    FUZZ_EXPECT(isName(context.element));
    switch (context.kind) {
    case HtmlContext::TagName:
    case HtmlContext::AttributeName:
        FUZZ_EXPECT(isName(context.typed) && text.endsWith(context.typed));
        break;
    case HtmlContext::Entity:
        FUZZ_EXPECT(isName(context.typed) && text.endsWith('&' + context.typed));
        break;
    case HtmlContext::Directive:
        FUZZ_EXPECT(isName(context.typed) && text.endsWith("<!--#" + context.typed));
        break;
    case HtmlContext::Value:
        FUZZ_EXPECT(text.endsWith(context.typed));
        break;
    default:
        FUZZ_EXPECT(context.typed.isEmpty());
    }

    const QByteArray open = openElementBefore(text);
    FUZZ_EXPECT(open.isEmpty() || (isName(open) && text.contains('<' + open)));
    return 0;
}
