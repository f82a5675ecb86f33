#pragma once

// Styles HTML source: tags, attributes and their values, comments and character entities.
// The runs of one style stay short, so that the editor's cache of measured text serves
// most of them.
class HtmlStyler
{
public:
    // In long runs of text every other word is AlternateText, which looks the same: the
    // editor then measures them word by word.
    enum Style { Text, Tag, Attribute, Value, DoubleQuoted, SingleQuoted, Comment, Entity,
                 AlternateText };

    // Styles bytes piece by piece from the start of a line on; the style of the line end
    // before the first line tells what that line starts in.
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
