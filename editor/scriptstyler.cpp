#include "scriptstyler.h"

#include "htmlstyler.h"
#include "tagreader.h"

#include <cstring>
#include <utility>

namespace {
bool isWordPart(char c)
{
    return isLetter(c) || isDigit(c) || c == '_' || c == '$' || uchar(c) >= 0x80;
}


struct Keyword
{
    const char *word;
    bool operand; // stands for a value, as "this" does, after which "/" divides
};

constexpr int longestKeyword = 10;
const Keyword keywords[] = {
    {"async", false},   {"await", false},    {"break", false},      {"case", false},
    {"catch", false},   {"class", false},    {"const", false},      {"continue", false},
    {"debugger", false}, {"default", false}, {"delete", false},     {"do", false},
    {"else", false},    {"export", false},   {"extends", false},    {"false", true},
    {"finally", false}, {"for", false},      {"function", false},   {"if", false},
    {"import", false},  {"in", false},       {"instanceof", false}, {"let", false},
    {"new", false},     {"null", true},      {"of", false},         {"return", false},
    {"static", false},  {"super", true},     {"switch", false},     {"this", true},
    {"throw", false},   {"true", true},      {"try", false},        {"typeof", false},
    {"var", false},     {"void", false},     {"while", false},      {"with", false},
    {"yield", false}};
} // namespace

void ScriptStyler::start(char quote)
{
    unpack(quote, 0);
}

int ScriptStyler::packed() const
{
    return (m_operand ? 1 : 0) | (m_state == State::BlockComment ? 2 : 0) | m_nesting << 2
           | m_braces << 4;
}

void ScriptStyler::unpack(char quote, int packed)
{
    *this = ScriptStyler();
    m_quote = quote;
    m_operand = packed & 1;
    m_nesting = (packed >> 2) & 3;
    m_braces = (packed >> 4) & 3;
    if (m_nesting == 1 || m_nesting == 3)
        m_state = State::Template;
    else if (packed & 2)
        m_state = State::BlockComment;
}

int ScriptStyler::style(const char *bytes, int i, int size, int known, char *styles, bool &ended)
{
    while (i < size) {
        const char c = bytes[i];
        if (m_quote ? c == m_quote : c == '<' && endTagAt(bytes, i, known, "script")) {
            ended = true;
            return i;
        }
        const bool lineBreak = c == '\n' || c == '\r';
        char style = HtmlStyler::Text;
        switch (m_state) {
        case State::Code:
            style = code(bytes, i, known);
            break;
        case State::Word:
        case State::Number:
            if (isWordPart(c) || (m_state == State::Number && c == '.')) {
                style = m_state == State::Word ? m_wordStyle : char(HtmlStyler::Number);
                break;
            }
            m_state = State::Code;
            continue;
        case State::String:
        case State::LineComment:
            // A line ends them, left open or not.
            if (lineBreak) {
                m_state = State::Code;
                continue;
            }
            style = m_state == State::String ? HtmlStyler::String : HtmlStyler::Comment;
            if (m_state == State::LineComment || m_escaped)
                m_escaped = false;
            else if (c == '\\')
                m_escaped = true;
            else if (c == m_string)
                m_state = State::Code;
            break;
        case State::Template:
            style = HtmlStyler::JsTemplate;
            if (m_dollar) {
                m_dollar = false;
                m_nesting = 2;
                m_braces = 0;
                m_operand = false;
                m_state = State::Code;
            } else if (m_escaped) {
                m_escaped = false;
            } else if (c == '\\') {
                m_escaped = true;
            } else if (c == '`') {
                m_nesting = m_nesting == 1 ? 0 : 2;
                m_operand = true;
                m_state = State::Code;
            } else if (c == '$' && m_nesting == 1 && i + 1 < known && bytes[i + 1] == '{') {
                m_dollar = true;
            }
            break;
        case State::Regex:
            if (lineBreak || (m_flags && !isLetter(c))) {
                m_state = State::Code;
                continue;
            }
            style = HtmlStyler::JsRegex;
            if (m_escaped)
                m_escaped = false;
            else if (c == '\\')
                m_escaped = true;
            else if (c == '[')
                m_class = true;
            else if (c == ']')
                m_class = false;
            else if (c == '/' && !m_class)
                m_flags = true;
            break;
        case State::BlockComment:
            style = HtmlStyler::Comment;
            if (m_opener)
                m_opener = false;
            else if (m_star && c == '/')
                m_state = State::Code;
            else
                m_star = c == '*';
            break;
        }
        styles[i] = style;
        if (endsLine(bytes, i++, known)) {
            unpack(m_quote, packed());
            return i;
        }
    }
    return i;
}

char ScriptStyler::code(const char *bytes, int i, int known)
{
    const char c = bytes[i];
    const char next = i + 1 < known ? bytes[i + 1] : 0;
    const char last = std::exchange(m_last, c);
    if (isBlank(c))
        return HtmlStyler::Text;
    if (c == '/' && (next == '/' || next == '*')) {
        m_state = next == '/' ? State::LineComment : State::BlockComment;
        m_opener = true;
        m_star = false;
        return HtmlStyler::Comment;
    }
    if (c == '/' && !m_operand) {
        m_state = State::Regex;
        m_escaped = m_class = m_flags = false;
        m_operand = true;
        return HtmlStyler::JsRegex;
    }
    if (c == '"' || c == '\'') {
        m_state = State::String;
        m_string = c;
        m_operand = true;
        return HtmlStyler::String;
    }
    if (c == '`') {
        m_state = State::Template;
        m_nesting = m_nesting == 0 ? 1 : 3;
        return HtmlStyler::JsTemplate;
    }
    if (isDigit(c) || (c == '.' && isDigit(next))) {
        m_state = State::Number;
        m_operand = true;
        return HtmlStyler::Number;
    }
    if (isWordPart(c))
        return word(bytes, i, known);
    if (c == '}' && m_nesting == 2) {
        if (m_braces == 0) {
            m_nesting = 1;
            m_state = State::Template;
            return HtmlStyler::JsTemplate;
        }
        --m_braces;
    } else if (c == '{' && m_nesting == 2 && m_braces < 3) {
        ++m_braces;
    }
    // "a++ / 2" divides; ")" and "]" close an operand.
    if ((c == '+' || c == '-') && (next == c || last == c))
        return HtmlStyler::Text;
    m_operand = c == ')' || c == ']';
    return HtmlStyler::Text;
}

char ScriptStyler::word(const char *bytes, int i, int known)
{
    // A keyword is known where it starts: it ends within the bytes there are to read.
    int end = i;
    while (end < known && end - i <= longestKeyword && isWordPart(bytes[end]))
        ++end;
    m_state = State::Word;
    m_wordStyle = HtmlStyler::Text;
    m_operand = true;
    const int length = end - i;
    if (length > longestKeyword)
        return m_wordStyle;
    for (const Keyword &keyword : keywords) {
        if (int(std::strlen(keyword.word)) == length
            && std::memcmp(keyword.word, bytes + i, length) == 0) {
            m_wordStyle = HtmlStyler::JsKeyword;
            m_operand = keyword.operand;
        }
    }
    return m_wordStyle;
}
