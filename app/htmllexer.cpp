#include "htmllexer.h"

#include <Qsci/qsciscintilla.h>

#include <QColor>

#include <algorithm>
#include <cstring>

namespace {
bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f';
}

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

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
    case HtmlLexer::Tag:
    case HtmlLexer::Attribute:
        m_state = State::InTag;
        break;
    case HtmlLexer::Value:
        m_state = State::AfterEquals;
        break;
    case HtmlLexer::DoubleQuoted:
        m_state = State::DoubleQuoted;
        break;
    case HtmlLexer::SingleQuoted:
        m_state = State::SingleQuoted;
        break;
    case HtmlLexer::Comment:
        m_state = State::Comment;
        break;
    default:
        m_state = State::Text;
    }
}

void HtmlStyler::style(const char *bytes, int size, int ahead, char *styles)
{
    // The editor keeps runs shorter than this in its cache of measured runs; a longer run
    // of text is split into words, which repeat where sentences do not.
    constexpr int longRun = 30;
    State state = m_state;
    const int known = size + ahead;
    int runEnd = 0; // the end of the run of text the byte is in
    bool wordByWord = false;
    int i = 0;
    while (i < size) {
        const char c = bytes[i];
        char style = HtmlLexer::Text;
        switch (state) {
        case State::Text:
            if (i >= runEnd) {
                runEnd = i;
                while (runEnd < known && !endsText(bytes[runEnd]))
                    ++runEnd;
                wordByWord = runEnd - i >= longRun;
                if (runEnd > i && !wordByWord) {
                    const int stop = std::min(runEnd, size);
                    std::memset(styles + i, HtmlLexer::Text, stop - i);
                    i = stop;
                    continue;
                }
                runEnd = std::max(runEnd, i + 1);
            }
            if (wordByWord) {
                if (!isSpace(c) && m_afterSpace)
                    m_alternate = !m_alternate;
                m_afterSpace = isSpace(c);
                if (m_alternate)
                    style = HtmlLexer::AlternateText;
            }
            if (c == '<' && i + 1 < known) {
                const char next = bytes[i + 1];
                if (next == '!' && i + 3 < known && bytes[i + 2] == '-' && bytes[i + 3] == '-') {
                    state = State::Comment;
                    m_dashes = 0;
                    const int stop = std::min(size, i + 4);
                    std::memset(styles + i, HtmlLexer::Comment, stop - i);
                    i = stop;
                    continue;
                }
                if (isLetter(next) || next == '/' || next == '!' || next == '?') {
                    state = State::TagName;
                    style = HtmlLexer::Tag;
                }
            } else if (c == '&') {
                state = State::Entity;
                style = HtmlLexer::Entity;
            }
            break;
        case State::Entity:
            if (!isEntityPart(c) && c != ';') {
                state = State::Text;
                continue;
            }
            style = HtmlLexer::Entity;
            if (c == ';')
                state = State::Text;
            break;
        case State::TagName:
        case State::InTag:
            style = HtmlLexer::Tag;
            if (c == '>') {
                state = State::Text;
            } else if (isSpace(c)) {
                state = State::InTag;
            } else if (state == State::InTag && c == '"') {
                state = State::DoubleQuoted;
                style = HtmlLexer::DoubleQuoted;
            } else if (state == State::InTag && c == '\'') {
                state = State::SingleQuoted;
                style = HtmlLexer::SingleQuoted;
            } else if (state == State::InTag && c != '/' && c != '?' && c != '=') {
                state = State::Attribute;
                style = HtmlLexer::Attribute;
            }
            break;
        case State::Attribute:
            style = HtmlLexer::Tag;
            if (c == '>') {
                state = State::Text;
            } else if (isSpace(c) || c == '/') {
                state = State::InTag;
            } else {
                style = HtmlLexer::Attribute; // with its "=", one run less to measure
                if (c == '=')
                    state = State::AfterEquals;
            }
            break;
        case State::AfterEquals:
            style = HtmlLexer::Tag;
            if (c == '>') {
                state = State::Text;
            } else if (c == '"') {
                state = State::DoubleQuoted;
                style = HtmlLexer::DoubleQuoted;
            } else if (c == '\'') {
                state = State::SingleQuoted;
                style = HtmlLexer::SingleQuoted;
            } else if (c == '\n' || c == '\r') {
                style = HtmlLexer::Value; // the value is still to come on the next line
            } else if (!isSpace(c)) {
                state = State::Value;
                style = HtmlLexer::Value;
            }
            break;
        case State::Value:
            style = HtmlLexer::Value;
            if (c == '>') {
                state = State::Text;
                style = HtmlLexer::Tag;
            } else if (isSpace(c)) {
                state = State::InTag;
                style = HtmlLexer::Tag;
            }
            break;
        case State::DoubleQuoted:
        case State::SingleQuoted:
            style = state == State::DoubleQuoted ? HtmlLexer::DoubleQuoted
                                                 : HtmlLexer::SingleQuoted;
            if (c == (state == State::DoubleQuoted ? '"' : '\''))
                state = State::InTag;
            break;
        case State::Comment:
            style = HtmlLexer::Comment;
            if (c == '>' && m_dashes >= 2)
                state = State::Text;
            m_dashes = c == '-' ? m_dashes + 1 : 0;
            break;
        }
        styles[i++] = style;
    }
    m_state = state;
}

HtmlLexer::HtmlLexer(QObject *parent)
    : QsciLexerCustom(parent)
{
}

const char *HtmlLexer::language() const
{
    return "HTML";
}

QString HtmlLexer::description(int style) const
{
    static const char *const names[] = {"Text", "Tag", "Attribute", "Value", "Double-quoted value",
                                        "Single-quoted value", "Comment", "Entity",
                                        "Text, every other word"};
    return style >= 0 && style <= AlternateText ? QString::fromLatin1(names[style]) : QString();
}

QColor HtmlLexer::defaultColor(int style) const
{
    switch (style) {
    case Tag:
        return QColor(0x00, 0x00, 0x80);
    case Attribute:
        return QColor(0x00, 0x80, 0x80);
    case Value:
    case DoubleQuoted:
    case SingleQuoted:
        return QColor(0x7f, 0x00, 0x7f);
    case Comment:
        return QColor(0x80, 0x80, 0x00);
    case Entity:
        return QColor(0x80, 0x00, 0x80);
    default:
        return QColor(0x00, 0x00, 0x00);
    }
}

void HtmlLexer::styleText(int start, int end)
{
    QsciScintilla *area = editor();
    if (!area || end <= start)
        return;
    // In pieces, so that colouring up to the middle of a large page needs no copy of it.
    constexpr int pieceSize = 1 << 16;
    static char styles[pieceSize];
    const long length = area->SendScintilla(QsciScintilla::SCI_GETLENGTH);
    HtmlStyler styler(start > 0 ? char(area->SendScintilla(QsciScintilla::SCI_GETSTYLEAT,
                                                           start - 1))
                                : char(Text));
    area->SendScintilla(QsciScintilla::SCI_STARTSTYLING, start);
    for (int from = start; from < end; from += pieceSize) {
        const int size = std::min(pieceSize, end - from);
        const int ahead = int(std::min<long>(4, length - from - size));
        // A pointer into the text that leaves the editor's gap where it is, so that
        // colouring after a keystroke moves no text.
        const auto bytes = reinterpret_cast<const char *>(area->SendScintilla(
            QsciScintilla::SCI_GETRANGEPOINTER, static_cast<unsigned long>(from),
            long(size + ahead)));
        styler.style(bytes, size, ahead, styles);
        area->SendScintilla(QsciScintilla::SCI_SETSTYLINGEX, static_cast<uintptr_t>(size),
                            styles);
    }
}
