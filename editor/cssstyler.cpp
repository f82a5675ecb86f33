#include "cssstyler.h"

#include "htmlstyler.h"
#include "tagreader.h"

#include <cstring>

namespace {
bool isNamePart(char c)
{
    return isLetter(c) || isDigit(c) || c == '-' || c == '_' || c == '#' || uchar(c) >= 0x80;
}

} // namespace

void CssStyler::start(char quote)
{
    unpack(quote, 0);
    if (quote)
        m_state = State::Property;
}

int CssStyler::packed() const
{
    return int(m_state) | (m_comment ? 8 : 0);
}

void CssStyler::unpack(char quote, int packed)
{
    *this = CssStyler();
    m_quote = quote;
    m_state = State(packed & 7);
    m_comment = packed & 8;
}

int CssStyler::style(const char *bytes, int i, int size, int known, char *styles, bool &ended)
{
    while (i < size) {
        const char c = bytes[i];
        if (m_quote ? c == m_quote : c == '<' && endTagAt(bytes, i, known, "style")) {
            ended = true;
            return i;
        }
        char style = HtmlStyler::Comment;
        if (m_comment) {
            if (m_opener)
                m_opener = false;
            else if (m_star && c == '/')
                m_comment = false;
            else
                m_star = c == '*';
        } else if (m_string) {
            style = HtmlStyler::String;
            if (m_escaped)
                m_escaped = false;
            else if (c == '\\')
                m_escaped = true;
            else if (c == m_string || c == '\n' || c == '\r')
                m_string = 0; // a line ends one left open
        } else if (c == '/' && i + 1 < known && bytes[i + 1] == '*') {
            m_comment = m_opener = true;
            m_star = m_number = m_word = false;
        } else if (c == '"' || c == '\'') {
            m_string = c;
            m_number = m_word = false;
            style = HtmlStyler::String;
        } else {
            style = declarations(c, bytes, i, known);
        }
        styles[i] = style;
        if (endsLine(bytes, i++, known)) {
            unpack(m_quote, packed());
            return i;
        }
    }
    return i;
}

char CssStyler::declarations(char c, const char *bytes, int i, int known)
{
    // An attribute's value holds declarations only.
    const State outside = m_quote ? State::Property : State::Selector;
    if (c == '}') {
        m_state = outside;
        return HtmlStyler::Text;
    }
    switch (m_state) {
    case State::Selector:
        if (c == '{') {
            m_state = State::Property;
            return HtmlStyler::Text;
        }
        if (c == '@') {
            m_state = State::AtRule;
            m_atName = 0;
            return HtmlStyler::CssAtRule;
        }
        return c == ',' || c == ';' ? HtmlStyler::Text : HtmlStyler::CssSelector;
    case State::AtRule:
    case State::AtRuleDeclarations:
        if (m_atName >= 0) {
            nameAtRule(c);
            if (m_atName >= 0)
                return HtmlStyler::CssAtRule;
        }
        if (c == '{' || c == ';') {
            m_state = c == ';' ? State::Selector
                      : m_state == State::AtRule ? State::Selector
                                                 : State::Property;
            return HtmlStyler::Text;
        }
        return value(c, bytes, i, known);
    case State::Property:
        if (c == ':') {
            m_state = State::Value;
            m_word = false;
            m_parentheses = 0;
            return HtmlStyler::Text;
        }
        return c == ';' || c == '{' ? HtmlStyler::Text : HtmlStyler::CssProperty;
    case State::Value:
        if (c == '(')
            ++m_parentheses;
        else if (c == ')' && m_parentheses > 0)
            --m_parentheses;
        // A ";" in "url(data:...;base64,...)" ends nothing.
        if ((c == ';' && m_parentheses == 0) || c == '{') {
            m_state = State::Property;
            m_number = false;
            return HtmlStyler::Text;
        }
        return value(c, bytes, i, known);
    }
    return HtmlStyler::Text;
}

char CssStyler::value(char c, const char *bytes, int i, int known)
{
    if (m_number) {
        if (isLetter(c) || isDigit(c) || c == '.' || c == '%')
            return HtmlStyler::Number;
        m_number = false;
    }
    const bool digitNext = i + 1 < known && isDigit(bytes[i + 1]);
    if (!m_word && (isDigit(c) || ((c == '.' || c == '-' || c == '+') && digitNext))) {
        m_number = true;
        return HtmlStyler::Number;
    }
    m_word = isNamePart(c);
    return HtmlStyler::CssValue;
}

void CssStyler::nameAtRule(char c)
{
    if (isNamePart(c)) {
        if (m_atName < int(sizeof m_name) - 1)
            m_name[m_atName++] = isLetter(c) ? char(c | 0x20) : c;
        return;
    }
    // These rules' blocks hold declarations, the others' hold rules.
    m_name[m_atName] = 0;
    for (const char *name : {"font-face", "page", "counter-style", "property", "viewport",
                             "font-palette-values"}) {
        if (std::strcmp(m_name, name) == 0)
            m_state = State::AtRuleDeclarations;
    }
    m_atName = -1;
}
