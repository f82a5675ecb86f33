#include "htmlstyler.h"

#include "tagreader.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace {
// What ends a run of text as the editor measures it.
bool endsText(char c)
{
    return c == '<' || c == '&' || c == '\n' || c == '\r';
}

bool isEntityPart(char c)
{
    return isLetter(c) || (c >= '0' && c <= '9') || c == '#';
}
} // namespace

HtmlStyler::HtmlStyler(char lineEndStyle)
{
    // A line end styled as the place it stood in tells where the next line starts.
    switch (lineEndStyle) {
    case Tag:
    case Attribute:
        m_state = State::InTag;
        break;
    case Value:
        m_state = State::AfterEquals;
        break;
    case DoubleQuoted:
        m_state = State::DoubleQuoted;
        break;
    case SingleQuoted:
        m_state = State::SingleQuoted;
        break;
    case Comment:
        m_state = State::Comment;
        break;
    default:
        m_state = State::Text;
    }
}

void HtmlStyler::style(const char *bytes, int size, int ahead, char *styles)
{
    State state = m_state;
    const int known = size + ahead;
    int runEnd = 0; // the end of the run of text the byte is in
    bool wordByWord = false;
    int i = 0;
    while (i < size) {
        const char c = bytes[i];
        char style = Text;
        switch (state) {
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
                runEnd = std::max(runEnd, i + 1);
            }
            if (wordByWord) {
                if (!isBlank(c) && m_afterSpace)
                    m_alternate = !m_alternate;
                m_afterSpace = isBlank(c);
                if (m_alternate)
                    style = AlternateText;
            }
            if (c == '<' && i + 1 < known) {
                const char next = bytes[i + 1];
                if (next == '!' && i + 3 < known && bytes[i + 2] == '-' && bytes[i + 3] == '-') {
                    state = State::Comment;
                    style = Comment;
                    m_opener = 3;
                    m_dashes = 0;
                    break;
                }
                if (isLetter(next) || next == '/' || next == '!' || next == '?') {
                    state = State::TagName;
                    style = Tag;
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
        case State::InTag:
            style = Tag;
            if (c == '>') {
                state = State::Text;
            } else if (isBlank(c)) {
                state = State::InTag;
            } else if (state == State::InTag && c == '"') {
                state = State::DoubleQuoted;
                style = DoubleQuoted;
            } else if (state == State::InTag && c == '\'') {
                state = State::SingleQuoted;
                style = SingleQuoted;
            } else if (state == State::InTag && c != '/' && c != '?' && c != '=') {
                state = State::Attribute;
                style = Attribute;
            }
            break;
        case State::Attribute:
            style = Tag;
            if (c == '>') {
                state = State::Text;
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
                state = State::Text;
            } else if (c == '"') {
                state = State::DoubleQuoted;
                style = DoubleQuoted;
            } else if (c == '\'') {
                state = State::SingleQuoted;
                style = SingleQuoted;
            } else if (c == '\n' || c == '\r') {
                style = Value; // the value is still to come on the next line
            } else if (!isBlank(c)) {
                state = State::Value;
                style = Value;
            }
            break;
        case State::Value:
            style = Value;
            if (c == '>') {
                state = State::Text;
                style = Tag;
            } else if (isBlank(c)) {
                state = State::InTag;
                style = Tag;
            }
            break;
        case State::DoubleQuoted:
        case State::SingleQuoted:
            style = state == State::DoubleQuoted ? DoubleQuoted
                                                 : SingleQuoted;
            if (c == (state == State::DoubleQuoted ? '"' : '\''))
                state = State::InTag;
            break;
        case State::Comment:
            style = Comment;
            if (m_opener > 0) {
                --m_opener; // the opener's dashes close nothing
                break;
            }
            if (c == '>' && m_dashes >= 2)
                state = State::Text;
            m_dashes = c == '-' ? m_dashes + 1 : 0;
            break;
        }
        styles[i++] = style;
    }
    m_state = state;
    if (state == State::Text && runEnd > size)
        m_run = wordByWord ? Run::Long : Run::Short;
}
