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
                                : char(HtmlStyler::Text));
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
        area->SendScintilla(QsciScintilla::SCI_SETSTYLINGEX, static_cast<uintptr_t>(size),
                            styles);
    }
}
