#include "htmlcheck.h"

#include <tidy.h>
#include <tidybuffio.h>

#include <algorithm>

namespace {
// The program's own vocabulary beyond what Tidy knows, or knows under other rules: the
// legacy and proposed tags its snippets and dialogs insert.
const char inlineTags[] = "abbrev, person, sample, blink, marquee, nobr, math, array, above, "
                          "below, over, root, sqrt, comment";
const char blockTags[] = "multicol";
const char emptyTags[] = "spacer, bgsound, nextid, embed, href";

Bool TIDY_CALL collect(TidyMessage message)
{
    const TidyReportLevel level = tidyGetMessageLevel(message);
    if (level >= TidyWarning && level <= TidyFatal && level != TidyConfig) {
        auto findings = static_cast<QList<Finding> *>(tidyGetAppData(tidyGetMessageDoc(message)));
        findings->append({tidyGetMessageLine(message), tidyGetMessageColumn(message),
                          QString::fromUtf8(tidyGetMessagePrefix(message))
                              + QString::fromUtf8(tidyGetMessage(message))});
    }
    return no; // nothing goes to Tidy's own error output
}

// The page as Tidy reads it, a byte at a time, ending where it is cancelled.
struct Reading
{
    const QByteArray &bytes;
    const std::atomic<bool> *cancelled;
    int at = 0;

    bool ended() const
    {
        return at >= bytes.size()
               || (cancelled && at % 4096 == 0 && cancelled->load(std::memory_order_relaxed));
    }
};

int TIDY_CALL nextByte(void *data)
{
    auto reading = static_cast<Reading *>(data);
    if (reading->ended())
        return EndOfStream;
    const QByteArray &bytes = reading->bytes;
    const char byte = bytes[reading->at++];
    // After a CR alone Tidy goes on counting the columns of the line before; a LF ends the
    // line for Tidy as the CR does for the editor.
    if (byte == '\r' && (reading->at == bytes.size() || bytes[reading->at] != '\n'))
        return '\n';
    return uchar(byte);
}

void TIDY_CALL backByte(void *data, byte)
{
    --static_cast<Reading *>(data)->at;
}

Bool TIDY_CALL atEnd(void *data)
{
    return static_cast<Reading *>(data)->ended() ? yes : no;
}
} // namespace

QList<Finding> checkHtml(const QByteArray &utf8, const std::atomic<bool> *cancelled)
{
    QList<Finding> findings;
    const TidyDoc doc = tidyCreate();
    tidySetAppData(doc, &findings);
    tidySetMessageCallback(doc, collect);
    tidyOptSetBool(doc, TidyQuiet, yes);
    tidyOptSetBool(doc, TidyShowInfo, no);
    tidyOptSetInt(doc, TidyShowErrors, 1 << 20);
    // A tab is one column, as in the status bar.
    tidyOptSetInt(doc, TidyTabSize, 1);
    tidySetInCharEncoding(doc, "utf8");
    tidyOptParseValue(doc, "new-inline-tags", inlineTags);
    tidyOptParseValue(doc, "new-blocklevel-tags", blockTags);
    tidyOptParseValue(doc, "new-empty-tags", emptyTags);

    // Tidy only reads the page: the parsed tree is dropped, nothing is written back.
    Reading reading{utf8, cancelled};
    TidyInputSource source;
    tidyInitSource(&source, &reading, nextByte, backByte, atEnd);
    tidyParseSource(doc, &source);
    tidyRelease(doc);

    // Tidy reads past a byte-order mark, which the editor counts as the first character.
    if (utf8.startsWith("\xef\xbb\xbf")) {
        for (Finding &finding : findings) {
            if (finding.line == 1)
                ++finding.column;
        }
    }
    // Tidy reports some findings only when it has seen more of the page.
    std::stable_sort(findings.begin(), findings.end(), [](const Finding &a, const Finding &b) {
        return std::pair(a.line, a.column) < std::pair(b.line, b.column);
    });
    return findings;
}
