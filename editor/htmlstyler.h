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

    // The editor keeps runs shorter than this in its cache of measured runs; a longer run
    // of text is split into words, which repeat where sentences do not.
    static constexpr int longRun = 30;
    // How many bytes after a piece style() wants to see, where the text goes on: enough
    // to tell a long run from a short one, and what a "<" at the end starts.
    static constexpr int lookAhead = longRun;

    // The styles of bytes [0, size); ahead bytes after them may be read. The styles are
    // the same however the text is cut into pieces.
    void style(const char *bytes, int size, int ahead, char *styles);

private:
    enum class State { Text, Entity, TagName, InTag, Attribute, AfterEquals, Value,
                       DoubleQuoted, SingleQuoted, Comment };
    // The run of text the last piece ended in, which the next one goes on with.
    enum class Run { None, Short, Long };

    State m_state;
    Run m_run = Run::None;
    int m_opener = 0; // of a comment's "<!--", the bytes still to come
    int m_dashes = 0; // in a comment, the "-" just before
    bool m_afterSpace = false;
    bool m_alternate = false;
};
