#include "htmlstyler.h"

#include "tagreader.h"
#include "vocabulary.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <iterator>
#include <utility>

namespace {
// What ends a run of text as the editor measures it: a table, as most bytes are asked.
bool endsText(char c)
{
    static constexpr auto ends = [] {
        std::array<bool, 256> ends{};
        for (const unsigned char end : {'<', '&', '\n', '\r'})
            ends[end] = true;
        return ends;
    }();
    return ends[static_cast<unsigned char>(c)];
}

bool isEntityPart(char c)
{
    return isLetter(c) || isDigit(c) || c == '#';
}

char upper(char c)
{
    return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c;
}

// Lambdas, so that the loops they are handed to are compiled with them inside.
constexpr auto isTagNamePart = [](char c) { return isLetter(c) || isDigit(c); };
constexpr auto isAttributeNamePart = [](char c) {
    return c != '=' && !isBlank(c) && c != '/' && c != '>';
};

bool isLineEnd(char c)
{
    return c == '\n' || c == '\r';
}

// Where the run of bytes from `from` that `part` takes ends, at most at `size`.
template<typename Part>
int partEnd(const char *bytes, int from, int size, Part part)
{
    while (from < size && part(bytes[from]))
        ++from;
    return from;
}

// Whether the element of the name (upper case) folds: asked of every tag of a page, so the
// names the vocabulary says fold are kept by length, and told apart by first letter.
bool folds(const char *name, int length)
{
    struct Names
    {
        std::array<std::vector<QByteArray>, 16> byLength;
        std::array<unsigned, 16> firstLetters{}; // by length, a bit for each letter
    };
    static const Names folding = [] {
        Names folding;
        for (const Element &element : Vocabulary::elements()) {
            if (!element.folds)
                continue;
            const QByteArray name = element.name.toLatin1();
            folding.byLength[name.size()].push_back(name);
            folding.firstLetters[name.size()] |= 1u << (name.at(0) - 'A');
        }
        return folding;
    }();
    if (length <= 0 || length >= int(folding.firstLetters.size()) || !isLetter(name[0])
        || !(folding.firstLetters[length] & (1u << (name[0] - 'A'))))
        return false;
    const std::vector<QByteArray> &names = folding.byLength[length];
    return std::any_of(names.begin(), names.end(), [&](const QByteArray &known) {
        return std::equal(name, name + length, known.constData());
    });
}

// What a line end leaves the text in, 3 bits: HTML, or CSS or JavaScript with where they
// stand.
enum Context { Html, ScriptElement, StyleElement, ScriptDoubleQuoted, ScriptSingleQuoted,
               StyleDoubleQuoted, StyleSingleQuoted };
// In HTML, 4 more bits: the state with the kind of tag and attribute it needs.
enum HtmlResume { InText, InComment, InTag = 2, InDoubleQuoted = 5, InSingleQuoted = 8,
                  AfterEquals = 11, AfterEqualsInScript = 14, AfterEqualsInStyle = 15 };
} // namespace

HtmlStyler::HtmlStyler()
    : HtmlStyler(Resume())
{
}

HtmlStyler::HtmlStyler(const Resume &resume)
    : m_depth(resume.depth)
    , m_lowest(resume.lowest)
{
    m_state = unpack(resume.state);
}

int HtmlStyler::pack(State state) const
{
    const int tag = int(m_tag);
    switch (state) {
    case State::Script:
        return (m_quote == '"'    ? ScriptDoubleQuoted
                : m_quote == '\'' ? ScriptSingleQuoted
                                  : ScriptElement)
               | m_script.packed() << 3;
    case State::Css:
        return (m_quote == '"'    ? StyleDoubleQuoted
                : m_quote == '\'' ? StyleSingleQuoted
                                  : StyleElement)
               | m_css.packed() << 3;
    case State::Comment:
        return InComment << 3;
    case State::TagName:
    case State::InTag:
    case State::Attribute:
    case State::Value:
        return (InTag + tag) << 3;
    case State::DoubleQuoted:
        return (InDoubleQuoted + tag) << 3;
    case State::SingleQuoted:
        return (InSingleQuoted + tag) << 3;
    case State::AfterEquals:
        return (m_tag == Kind::Plain ? AfterEquals + int(m_attribute)
                : m_tag == Kind::Script ? AfterEqualsInScript
                                        : AfterEqualsInStyle)
               << 3;
    case State::Text:
    case State::Entity:
        break;
    }
    return Html;
}

HtmlStyler::State HtmlStyler::unpack(int packed)
{
    m_tag = m_attribute = Kind::Plain;
    m_nameLength = -1;
    m_opener = m_dashes = 0;
    const int context = packed & 7;
    const int rest = packed >> 3;
    static constexpr char quotes[] = {0, 0, 0, '"', '\'', '"', '\''};
    m_quote = context < int(std::size(quotes)) ? quotes[context] : 0;
    switch (context) {
    case ScriptElement:
    case ScriptDoubleQuoted:
    case ScriptSingleQuoted:
        m_script.unpack(m_quote, rest);
        return State::Script;
    case StyleElement:
    case StyleDoubleQuoted:
    case StyleSingleQuoted:
        m_css.unpack(m_quote, rest);
        return State::Css;
    }
    if (rest == InComment)
        return State::Comment;
    if (rest >= AfterEquals && rest <= AfterEqualsInStyle) {
        if (rest < AfterEqualsInScript)
            m_attribute = Kind(rest - AfterEquals);
        else
            m_tag = rest == AfterEqualsInScript ? Kind::Script : Kind::Style;
        return State::AfterEquals;
    }
    if (rest >= InTag && rest < AfterEquals) {
        m_tag = Kind((rest - InTag) % 3);
        return rest >= InSingleQuoted ? State::SingleQuoted
               : rest >= InDoubleQuoted ? State::DoubleQuoted
                                        : State::InTag;
    }
    return State::Text;
}

void HtmlStyler::lineEnded(int at, State &state, std::vector<Mark> &marks)
{
    // What the line leaves open carries over in a few bits; the rest starts afresh, as
    // colouring started at the next line does.
    const int packed = pack(state);
    marks.push_back({at, true, {packed, m_depth, m_lowest}});
    state = unpack(packed);
    m_lowest = m_depth;
    m_safe = at + 1;
}

HtmlStyler::State HtmlStyler::afterTag(int at, std::vector<Mark> &marks)
{
    m_quote = 0;
    switch (m_tag) {
    case Kind::Script:
        m_script.start(0);
        return State::Script;
    case Kind::Style:
        m_css.start(0);
        return State::Css;
    case Kind::Plain:
        break;
    }
    m_tagEnd = at;
    if (at + 1 - m_safe >= markSpacing) {
        marks.push_back({at, false, {Html, m_depth, m_lowest}});
        m_safe = at + 1;
    }
    return State::Text;
}

template<typename Part>
int HtmlStyler::readName(const char *bytes, int from, int size, Part part)
{
    int length = m_nameLength;
    for (; from < size && part(bytes[from]); ++from, ++length) {
        if (length < longestName)
            m_name[length] = upper(bytes[from]);
    }
    m_nameLength = std::min(length, longestName + 1);
    return from;
}

void HtmlStyler::endTagName()
{
    const int length = std::exchange(m_nameLength, -1);
    if (folds(m_name, length))
        m_closing ? close() : open();
    if (!m_closing && length == 6 && std::memcmp(m_name, "SCRIPT", 6) == 0)
        m_tag = Kind::Script;
    else if (!m_closing && length == 5 && std::memcmp(m_name, "STYLE", 5) == 0)
        m_tag = Kind::Style;
}

void HtmlStyler::endAttributeName()
{
    // Only an ordinary element's STYLE and on... attributes hold CSS and JavaScript.
    const int length = std::exchange(m_nameLength, -1);
    if (m_tag != Kind::Plain)
        m_attribute = Kind::Plain;
    else if (length == 5 && std::memcmp(m_name, "STYLE", 5) == 0)
        m_attribute = Kind::Style;
    else if (length > 2 && m_name[0] == 'O' && m_name[1] == 'N')
        m_attribute = Kind::Script;
    else
        m_attribute = Kind::Plain;
}

// A line with an element's end tag belongs to its fold, unless another element opens on it
// ("</DIV><DIV>"), whose fold the line then starts.
void HtmlStyler::open()
{
    m_lowest = std::min(m_lowest, m_depth);
    m_depth = std::min(m_depth + 1, maxDepth);
}

void HtmlStyler::close()
{
    m_depth = std::max(m_depth - 1, 0);
}

void HtmlStyler::style(const char *bytes, int size, int ahead, char *styles,
                       std::vector<Mark> &marks)
{
    State state = m_state;
    const int known = size + ahead;
    int runEnd = 0; // the end of the run of text the byte is in
    bool wordByWord = false;
    m_tagEnd = -1;
    int i = 0;
    while (i < size) {
        const char c = bytes[i];
        char style = Text;
        switch (state) {
        case State::Css:
        case State::Script: {
            bool ended = false;
            const int from = i;
            i = state == State::Css ? m_css.style(bytes, i, size, known, styles, ended)
                                    : m_script.style(bytes, i, size, known, styles, ended);
            if (ended) {
                // The end tag follows, or the attribute value's closing quote.
                state = m_quote == '"'    ? State::DoubleQuoted
                        : m_quote == '\'' ? State::SingleQuoted
                                          : State::Text;
                m_tag = Kind::Plain;
                m_quote = 0;
            } else if (i > from && endsLine(bytes, i - 1, known)) {
                lineEnded(i - 1, state, marks);
            }
            continue;
        }
        case State::Text:
            if (i >= runEnd) {
                runEnd = i;
                while (runEnd < known && !endsText(bytes[runEnd]))
                    ++runEnd;
                // A run is long or short as a whole, judged where it starts; the words of a
                // long one alternate from its first on, wherever colouring starts.
                const Run goesOn = std::exchange(m_run, Run::None);
                if (goesOn != Run::None) {
                    wordByWord = goesOn == Run::Long;
                } else {
                    wordByWord = runEnd - i >= longRun;
                    m_afterSpace = false;
                    m_alternate = false;
                }
                if (runEnd > i && !wordByWord) {
                    const int stop = std::min(runEnd, size);
                    std::memset(styles + i, Text, stop - i);
                    i = stop;
                    continue;
                }
            }
            if (i < runEnd) { // word by word
                for (const int stop = std::min(runEnd, size); i < stop; ++i) {
                    const bool blank = isBlank(bytes[i]);
                    if (!blank && m_afterSpace)
                        m_alternate = !m_alternate;
                    m_afterSpace = blank;
                    styles[i] = m_alternate ? AlternateText : Text;
                }
                continue;
            }
            // The byte that ends the run.
            if (c == '<' && i + 1 < known) {
                const char next = bytes[i + 1];
                if (next == '!' && i + 3 < known && bytes[i + 2] == '-' && bytes[i + 3] == '-') {
                    state = State::Comment;
                    style = Comment;
                    m_opener = 3;
                    m_dashes = 0;
                    open();
                    break;
                }
                if (isLetter(next) || next == '/' || next == '!' || next == '?') {
                    state = State::TagName;
                    style = Tag;
                    m_tag = m_attribute = Kind::Plain;
                    m_nameLength = 0;
                    m_closing = false;
                }
            } else if (c == '&') {
                state = State::Entity;
                style = Entity;
            }
            break;
        case State::Entity:
            if (!isEntityPart(c) && c != ';') {
                state = State::Text;
                continue;
            }
            style = Entity;
            if (c == ';')
                state = State::Text;
            break;
        case State::TagName:
            if (m_nameLength >= 0) {
                if (c == '/' && m_nameLength == 0 && !m_closing) {
                    m_closing = true;
                } else {
                    // The name at once; the byte that ends it is then a tag's byte.
                    const int end = readName(bytes, i, size, isTagNamePart);
                    std::memset(styles + i, Tag, end - i);
                    i = end;
                    if (i < size)
                        endTagName();
                    continue;
                }
            }
            [[fallthrough]];
        case State::InTag:
            style = Tag;
            if (c == '>') {
                state = afterTag(i, marks);
            } else if (isBlank(c)) {
                state = State::InTag;
            } else if (state == State::InTag && c == '"') {
                state = State::DoubleQuoted;
                style = DoubleQuoted;
            } else if (state == State::InTag && c == '\'') {
                state = State::SingleQuoted;
                style = SingleQuoted;
            } else if (state == State::InTag && c == '=') {
                state = State::AfterEquals; // of "NAME = value"
            } else if (state == State::InTag && c != '/' && c != '?') {
                state = State::Attribute;
                m_nameLength = 0;
                continue;
            }
            break;
        case State::Attribute:
            if (m_nameLength >= 0) {
                const int end = readName(bytes, i, size, isAttributeNamePart);
                std::memset(styles + i, Attribute, end - i);
                i = end;
                if (i < size)
                    endAttributeName();
                continue;
            }
            style = Tag;
            if (c == '>') {
                state = afterTag(i, marks);
            } else if (isBlank(c) || c == '/') {
                state = State::InTag;
            } else {
                style = Attribute; // with its "=", one run less to measure
                if (c == '=')
                    state = State::AfterEquals;
            }
            break;
        case State::AfterEquals:
            style = Tag;
            if (c == '>') {
                state = afterTag(i, marks);
            } else if (c == '"' || c == '\'') {
                style = c == '"' ? DoubleQuoted : SingleQuoted;
                state = c == '"' ? State::DoubleQuoted : State::SingleQuoted;
                if (m_attribute == Kind::Style) {
                    state = State::Css;
                    m_css.start(c);
                } else if (m_attribute == Kind::Script) {
                    state = State::Script;
                    m_script.start(c);
                }
                m_quote = m_attribute == Kind::Plain ? 0 : c;
                m_attribute = Kind::Plain;
            } else if (c == '\n' || c == '\r') {
                style = Value; // the value is still to come on the next line
            } else if (!isBlank(c)) {
                state = State::Value;
                style = Value;
                m_attribute = Kind::Plain;
            }
            break;
        case State::Value:
            style = Value;
            if (const int end = partEnd(bytes, i, size, isAttributeNamePart); end > i) {
                std::memset(styles + i, Value, end - i);
                i = end;
                continue;
            }
            if (c == '>') {
                state = afterTag(i, marks);
                style = Tag;
            } else if (isBlank(c)) {
                state = State::InTag;
                style = Tag;
            }
            break;
        case State::DoubleQuoted:
        case State::SingleQuoted: {
            const char quote = state == State::DoubleQuoted ? '"' : '\'';
            style = state == State::DoubleQuoted ? DoubleQuoted : SingleQuoted;
            const int end = partEnd(bytes, i, size, [quote](char b) {
                return b != quote && !isLineEnd(b);
            });
            if (end > i) {
                std::memset(styles + i, style, end - i);
                i = end;
                continue;
            }
            if (c == quote)
                state = State::InTag;
            break;
        }
        case State::Comment:
            style = Comment;
            if (m_opener > 0) {
                --m_opener; // the opener's dashes close nothing
                break;
            }
            if (const int end = partEnd(bytes, i, size, [](char b) {
                    return b != '-' && b != '>' && !isLineEnd(b);
                });
                end > i) {
                std::memset(styles + i, Comment, end - i);
                m_dashes = 0;
                i = end;
                continue;
            }
            if (c == '>' && m_dashes >= 2) {
                state = State::Text;
                close();
            }
            m_dashes = c == '-' ? m_dashes + 1 : 0;
            break;
        }
        styles[i++] = style;
        if (isLineEnd(c) && endsLine(bytes, i - 1, known))
            lineEnded(i - 1, state, marks);
    }
    m_state = state;
    if (state == State::Text && runEnd > size)
        m_run = wordByWord ? Run::Long : Run::Short;
    m_afterTagEnd = m_tagEnd == size - 1;
    m_safe -= size;
}
