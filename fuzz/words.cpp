// Any bytes, as UTF-8 and as Windows-1252: every word spelling checks lies inside the text,
// in order, holds no blank and no markup, starts with a letter, and stands outside every tag
// or in the value of its ALT, TITLE or SUMMARY.
#include "fuzzing.h"

#include "editor/tagreader.h"
#include "editor/wordfinder.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <vector>

namespace {
bool inProseValue(const QByteArray &text, const Tag &tag, qsizetype at)
{
    const QByteArray before = text.mid(tag.start, at - tag.start).toLower();
    for (const char *name : {"alt", "title", "summary"}) {
        if (before.contains(name) && before.contains('='))
            return true;
    }
    return false;
}

void check(const QByteArray &text, Encoding encoding)
{
    std::vector<Tag> tags;
    forEachTag(text, [&tags](const Tag &tag) {
        tags.push_back(tag);
        return true;
    });
    qsizetype last = 0;
    for (const PageWord &word : findWords(text, encoding)) {
        FUZZ_EXPECT(word.start >= last && word.start < word.end && word.end <= text.size());
        last = word.end;
        const QByteArray bytes = text.mid(word.start, word.end - word.start);
        for (char c : bytes)
            FUZZ_EXPECT(!isBlank(c) && c != '<' && c != '>');
        const QString characters = wordText(text, word, encoding);
        const auto codes = characters.toUcs4();
        FUZZ_EXPECT(!codes.isEmpty() && QChar::isLetter(codes.first()));
        for (const Tag &tag : tags) {
            if (tag.start < word.end && word.start < tag.end)
                FUZZ_EXPECT(!tag.closing && inProseValue(text, tag, word.start));
        }
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *bytes, size_t size)
{
    const QByteArray text(reinterpret_cast<const char *>(bytes), qsizetype(size));
    check(text, Encoding::Utf8);
    check(text, Encoding::Windows1252);
    return 0;
}
