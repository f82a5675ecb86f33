#include "patternsearch.h"

#define PCRE2_CODE_UNIT_WIDTH 8
#include <pcre2.h>

#include <QVector>

namespace {
// PCRE2's own default, stated because the page, not the program, decides what a match
// meets: a match may take this many steps from one place before the search gives up.
constexpr uint32_t matchLimit = 10'000'000;
// The memory a match may take for what it must remember: the interpreter's heap (in KiB)
// and the JIT's stack.
constexpr uint32_t heapLimit = 256 * 1024;
constexpr PCRE2_SIZE jitStackStart = 32 * 1024;
constexpr PCRE2_SIZE jitStackLimit = 16 * 1024 * 1024;
// How much text a search that reports its progress looks at in one go.
constexpr qint64 pieceSize = 1024 * 1024;

QString errorText(int error)
{
    PCRE2_UCHAR words[256];
    pcre2_get_error_message(error, words, sizeof words);
    return QString::fromUtf8(reinterpret_cast<const char *>(words));
}

bool isContinuation(char byte)
{
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
}

// The 1-based line of a place in the text, with CR, LF and CR LF each ending a line.
qint64 lineAt(const char *text, qint64 at)
{
    qint64 line = 1;
    for (qint64 i = 0; i < at; ++i) {
        if (text[i] == '\n' || (text[i] == '\r' && !(i + 1 < at && text[i + 1] == '\n')))
            ++line;
    }
    return line;
}

// Where a piece of the text from `at` ends: about `span` on, never inside a character
// nor between the CR and the LF of a line end, where "^" would match.
qint64 pieceEnd(const char *text, qint64 size, qint64 at, qint64 span)
{
    if (size - at <= span)
        return size;
    qint64 end = at + span;
    const auto inside = [text](qint64 place) {
        return isContinuation(text[place]) || (text[place] == '\n' && text[place - 1] == '\r');
    };
    while (end < size && inside(end))
        ++end;
    return end;
}

// Hands each run of the replacement that stands as written to literal(from, to) and each
// group it names to group(number), in their order.
template<class Literal, class Group>
void readReplacement(const QByteArray &replacement, Literal literal, Group group)
{
    const char *p = replacement.constData();
    const char *end = p + replacement.size();
    const char *run = p;
    while (p < end) {
        if ((*p == '\\' || *p == '$') && p + 1 < end) {
            if (p[1] >= '0' && p[1] <= '9') {
                literal(run, p);
                group(p[1] - '0');
                run = p += 2;
                continue;
            }
            if (p[1] == *p) {
                literal(run, p + 1);
                run = p += 2;
                continue;
            }
        }
        ++p;
    }
    literal(run, end);
}
} // namespace

struct PatternSearch::Compiled
{
    ~Compiled()
    {
        pcre2_match_context_free(context);
        pcre2_jit_stack_free(jitStack);
        pcre2_match_data_free(data);
        pcre2_code_free(code);
    }

    pcre2_code *code = nullptr;
    pcre2_match_data *data = nullptr;
    pcre2_jit_stack *jitStack = nullptr;
    pcre2_match_context *context = nullptr;
    uint32_t groups = 0;
};

PatternSearch::PatternSearch(const QString &pattern, bool matchCase)
{
    const QByteArray utf8 = pattern.toUtf8();
    // "\C" would match a byte inside a character, and a replacement would then cut it.
    const uint32_t options = PCRE2_UTF | PCRE2_MATCH_INVALID_UTF | PCRE2_UCP | PCRE2_MULTILINE
                             | PCRE2_NEVER_BACKSLASH_C | (matchCase ? 0 : PCRE2_CASELESS);
    pcre2_compile_context *compileContext = pcre2_compile_context_create(nullptr);
    pcre2_set_newline(compileContext, PCRE2_NEWLINE_ANYCRLF);
    int error = 0;
    PCRE2_SIZE offset = 0;
    pcre2_code *code = pcre2_compile(reinterpret_cast<PCRE2_SPTR>(utf8.constData()),
                                     PCRE2_SIZE(utf8.size()), options, &error, &offset,
                                     compileContext);
    pcre2_compile_context_free(compileContext);
    if (!code) {
        const QString where = offset < PCRE2_SIZE(utf8.size())
            ? QStringLiteral("At character %1")
                  .arg(QString::fromUtf8(utf8.left(int(offset))).toUcs4().size() + 1)
            : QStringLiteral("At its end");
        m_failure = QStringLiteral("The regular expression is not valid.\r%1: %2.")
                        .arg(where, errorText(error));
        return;
    }
    m_compiled = std::make_unique<Compiled>();
    Compiled &compiled = *m_compiled;
    compiled.code = code;
    // Without the JIT (a build or a pattern it cannot take) PCRE2 interprets the pattern.
    pcre2_jit_compile(code, PCRE2_JIT_COMPLETE | PCRE2_JIT_PARTIAL_HARD);
    compiled.data = pcre2_match_data_create_from_pattern(code, nullptr);
    compiled.context = pcre2_match_context_create(nullptr);
    pcre2_set_match_limit(compiled.context, matchLimit);
    pcre2_set_heap_limit(compiled.context, heapLimit);
    compiled.jitStack = pcre2_jit_stack_create(jitStackStart, jitStackLimit, nullptr);
    pcre2_jit_stack_assign(compiled.context, nullptr, compiled.jitStack);
    pcre2_pattern_info(code, PCRE2_INFO_CAPTURECOUNT, &compiled.groups);
}

PatternSearch::~PatternSearch() = default;

PatternSearch::Outcome PatternSearch::find(const char *text, qint64 size, qint64 from,
                                           Start start,
                                           const std::function<bool(qint64)> &keepGoing)
{
    if (!m_compiled)
        return Outcome::Failed;
    const uint32_t options = start == Start::OnlyAtFrom      ? PCRE2_ANCHORED
                             : start == Start::NotEmptyAtFrom ? PCRE2_NOTEMPTY_ATSTART
                                                              : 0;
    // A piece ends where the text might go on: a match that may run past it is partial,
    // and is looked for again with more text.
    const bool inPieces = keepGoing && start != Start::OnlyAtFrom;
    qint64 span = inPieces ? pieceSize : size;
    for (qint64 at = from;;) {
        const qint64 end = pieceEnd(text, size, at, span);
        const uint32_t here = at == from ? options : options & ~PCRE2_NOTEMPTY_ATSTART;
        const int result = match(text, end, at, here | (end < size ? PCRE2_PARTIAL_HARD : 0));
        if (result >= 0)
            return Outcome::Found;
        if (result == PCRE2_ERROR_NOMATCH) {
            if (end == size)
                return Outcome::NotFound;
            at = end;
            span = pieceSize;
        } else if (result == PCRE2_ERROR_PARTIAL) {
            const qint64 partial = qint64(pcre2_get_ovector_pointer(m_compiled->data)[0]);
            if (partial > at) {
                at = partial;
                span = pieceSize;
            } else {
                span *= 2;
            }
        } else {
            m_failure = QStringLiteral("The search for the regular expression gave up from "
                                       "line %1 on: %2. Nothing was changed.")
                            .arg(lineAt(text, at))
                            .arg(errorText(result));
            return Outcome::Failed;
        }
        if (!keepGoing(at))
            return Outcome::Stopped;
    }
}

qint64 PatternSearch::matchStart() const
{
    return qint64(pcre2_get_ovector_pointer(m_compiled->data)[0]);
}

qint64 PatternSearch::matchEnd() const
{
    return qint64(pcre2_get_ovector_pointer(m_compiled->data)[1]);
}

QString PatternSearch::replacementFailure(const QByteArray &replacement) const
{
    int missing = -1;
    readReplacement(replacement, [](const char *, const char *) {}, [&](int group) {
        if (missing < 0 && uint32_t(group) > m_compiled->groups)
            missing = group;
    });
    if (missing < 0)
        return {};
    return QStringLiteral("The replacement names group %1, which the regular expression "
                          "does not have.")
        .arg(missing);
}

QByteArray PatternSearch::replacement(const QByteArray &replacement, const char *text) const
{
    const PCRE2_SIZE *groups = pcre2_get_ovector_pointer(m_compiled->data);
    QByteArray written;
    const auto literal = [&](const char *from, const char *to) {
        written.append(from, int(to - from));
    };
    readReplacement(replacement, literal, [&](int group) {
        const PCRE2_SIZE start = groups[2 * group];
        const PCRE2_SIZE end = groups[2 * group + 1];
        if (start != PCRE2_UNSET && end > start)
            written.append(text + start, int(end - start));
    });
    return written;
}

qint64 PatternSearch::nextCharacter(const char *text, qint64 size, qint64 at)
{
    if (at + 1 < size && text[at] == '\r' && text[at + 1] == '\n')
        return at + 2;
    qint64 next = at + 1;
    while (next < size && isContinuation(text[next]))
        ++next;
    return next;
}

int PatternSearch::match(const char *text, qint64 size, qint64 from, quint32 options)
{
    return pcre2_match(m_compiled->code, reinterpret_cast<PCRE2_SPTR>(text), PCRE2_SIZE(size),
                       PCRE2_SIZE(from), options, m_compiled->data, m_compiled->context);
}
