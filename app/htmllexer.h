#pragma once

#include <Qsci/qscilexercustom.h>

// The colouring of HTML source: tags, attributes and their values, comments and
// character entities. One pass over the bytes and one styling call per piece keep
// colouring a large page far cheaper than QScintilla's own HTML lexer, which also
// colours embedded scripts, and keep the runs of one style short, so that the editor's
// cache of measured text serves most of them.
class HtmlLexer : public QsciLexerCustom
{
    Q_OBJECT

public:
    // In long runs of text every other word is AlternateText, which looks the same: the
    // editor then measures them word by word.
    enum Style { Text, Tag, Attribute, Value, DoubleQuoted, SingleQuoted, Comment, Entity,
                 AlternateText };

    explicit HtmlLexer(QObject *parent = nullptr);

    const char *language() const override;
    QString description(int style) const override;
    QColor defaultColor(int style) const override;
    void styleText(int start, int end) override;
};

// Styles HTML bytes piece by piece from the start of a line on.
class HtmlStyler
{
public:
    // The style of the line end before the first line tells what that line starts in.
    explicit HtmlStyler(char lineEndStyle);

    // The styles of bytes [0, size); ahead bytes after them may be read, for a look at
    // what a "<" at the end starts.
    void style(const char *bytes, int size, int ahead, char *styles);

private:
    enum class State { Text, Entity, TagName, InTag, Attribute, AfterEquals, Value,
                       DoubleQuoted, SingleQuoted, Comment };

    State m_state;
    int m_dashes = 0; // in a comment, the "-" just before
    bool m_afterSpace = false;
    bool m_alternate = false;
};
