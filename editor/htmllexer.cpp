#include "htmllexer.h"

#include "htmlstyler.h"

#include <Qsci/qsciscintilla.h>

#include <QColor>

#include <algorithm>

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
    return style >= 0 && style <= HtmlStyler::AlternateText ? QString::fromLatin1(names[style])
                                                            : QString();
}

QColor HtmlLexer::defaultColor(int style) const
{
    switch (style) {
    case HtmlStyler::Tag:
        return QColor(0x00, 0x00, 0x80);
    case HtmlStyler::Attribute:
        return QColor(0x00, 0x80, 0x80);
    case HtmlStyler::Value:
    case HtmlStyler::DoubleQuoted:
    case HtmlStyler::SingleQuoted:
        return QColor(0x7f, 0x00, 0x7f);
    case HtmlStyler::Comment:
        return QColor(0x80, 0x80, 0x00);
    case HtmlStyler::Entity:
        return QColor(0x80, 0x00, 0x80);
    default:
        return QColor(0x00, 0x00, 0x00);
    }
}

int HtmlLexer::restartPoint(int lineStart) const
{
    // Scintilla asks for the colours from the start of the line where they end; in a long
    // line, such as a minified page's only one, the last tag that ends before will do.
    constexpr int lookBack = 1 << 16;
    QsciScintilla *area = editor();
    const int styled = int(area->SendScintilla(QsciScintilla::SCI_GETENDSTYLED));
    const int from = std::max(lineStart, styled - lookBack);
    if (styled <= from)
        return lineStart;
    const auto bytes = reinterpret_cast<const char *>(area->SendScintilla(
        QsciScintilla::SCI_GETRANGEPOINTER, static_cast<unsigned long>(from), long(styled - from)));
    for (int at = styled - 1; at >= from; --at) {
        // A ">" coloured as part of a tag ends it: what follows starts as text.
        if (bytes[at - from] == '>'
            && area->SendScintilla(QsciScintilla::SCI_GETSTYLEAT, at) == HtmlStyler::Tag)
            return at + 1;
    }
    return lineStart;
}

void HtmlLexer::textChanging(int position, int length, bool inserting)
{
    m_coloured = std::max(m_coloured,
                          int(editor()->SendScintilla(QsciScintilla::SCI_GETENDSTYLED)));
    if (position >= m_coloured)
        return;
    m_coloured = inserting ? m_coloured + length : std::max(position, m_coloured - length);
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
    // After a tag the text starts; at the start of a line, what the line before ended in.
    const int restart = restartPoint(start);
    HtmlStyler styler(start > 0 && restart == start
                          ? char(area->SendScintilla(QsciScintilla::SCI_GETSTYLEAT, start - 1))
                          : char(HtmlStyler::Text));
    start = restart;
    // The colours from here on to where colouring had come were set before the change that
    // asks for colouring again; where the change made all that follows look different, a
    // few tags tell.
    const int unchanged = int(area->SendScintilla(QsciScintilla::SCI_GETENDSTYLED));
    const int coloured = std::max(m_coloured, unchanged);
    int tagsToCompare = 64;
    area->SendScintilla(QsciScintilla::SCI_STARTSTYLING, start);
    for (int from = start; from < end; from += pieceSize) {
        const int size = std::min(pieceSize, end - from);
        const int ahead = int(std::min<long>(HtmlStyler::lookAhead, length - from - size));
        // A pointer into the text that leaves the editor's gap where it is, so that
        // colouring after a keystroke moves no text.
        const auto bytes = reinterpret_cast<const char *>(area->SendScintilla(
            QsciScintilla::SCI_GETRANGEPOINTER, static_cast<unsigned long>(from),
            long(size + ahead)));
        styler.style(bytes, size, ahead, styles);
        // A tag that ends where it ended before is where the colours meet those set
        // before: the rest is as it was, and a long line is not coloured again to its end.
        int stop = size;
        const int compared = std::min(size, coloured - from);
        for (int i = std::max(0, unchanged - from); i < compared && tagsToCompare > 0; ++i) {
            if (bytes[i] != '>' || styles[i] != HtmlStyler::Tag)
                continue;
            --tagsToCompare;
            if (area->SendScintilla(QsciScintilla::SCI_GETSTYLEAT, from + i) == HtmlStyler::Tag) {
                stop = i + 1;
                break;
            }
        }
        area->SendScintilla(QsciScintilla::SCI_SETSTYLINGEX, static_cast<uintptr_t>(stop),
                            styles);
        if (stop < size) {
            // What colouring had not reached is coloured now, as it would be when asked for.
            const int reached = std::min(end, coloured);
            area->SendScintilla(QsciScintilla::SCI_STARTSTYLING, reached);
            if (reached < end) {
                const long line
                    = area->SendScintilla(QsciScintilla::SCI_LINEFROMPOSITION, reached);
                styleText(int(area->SendScintilla(QsciScintilla::SCI_POSITIONFROMLINE, line)),
                          end);
            }
            return;
        }
    }
}
