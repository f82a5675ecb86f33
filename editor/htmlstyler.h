#pragma once

#include "cssstyler.h"
#include "scriptstyler.h"

#include <vector>

// Styles HTML source: tags, attributes and their values, comments and character entities,
// the CSS of STYLE elements and STYLE="..." values and the JavaScript of SCRIPT elements and
// on...="..." values; and tells how deep each line stands in the elements that fold. The
// runs of one style stay short, so that the editor's cache of measured text serves most of
// them.
class HtmlStyler
{
public:
    // In long runs of text every other word is AlternateText, which looks the same: the
    // editor then measures them word by word. CSS and JavaScript share Number and String,
    // and all three Comment.
    enum Style { Text, Tag, Attribute, Value, DoubleQuoted, SingleQuoted, Comment, Entity,
                 AlternateText, CssSelector, CssProperty, CssValue, CssAtRule, Number, String,
                 JsKeyword, JsTemplate, JsRegex };

    // What colouring needs to start somewhere: what the text stands in there (below 512),
    // how many elements that fold are open (up to maxDepth), and the line's fold level: as
    // many as were open at its start, or fewer where one opens after others closed on it.
    struct Resume
    {
        int state = 0;
        int depth = 0;
        int lowest = 0;
    };
    static constexpr int maxDepth = 255;

    // A place where colouring can start again: each line's end, and in a long line the end
    // of a tag after which text starts, at least markSpacing bytes after the last place.
    struct Mark
    {
        int at; // the byte: the last of the line end, or the tag's ">"
        bool lineEnd;
        Resume resume; // what colouring starts with behind it
    };
    static constexpr int markSpacing = 1024;

    // Styles bytes piece by piece from the start of the text, or from that of a line or
    // behind a mark with what the mark or the line before ended in.
    HtmlStyler();
    explicit HtmlStyler(const Resume &resume);

    // The editor keeps runs shorter than this in its cache of measured runs; a longer run
    // of text is split into words, which repeat where sentences do not.
    static constexpr int longRun = 30;
    // How many bytes after a piece style() wants to see, where the text goes on: enough
    // to tell a long run from a short one, and what a "<" at the end starts.
    static constexpr int lookAhead = longRun;

    // The styles of bytes [0, size), and the marks among them; ahead bytes after them may
    // be read. The styles and marks are the same however the text is cut into pieces.
    void style(const char *bytes, int size, int ahead, char *styles, std::vector<Mark> &marks);
    // What the bytes styled so far end in.
    Resume resume() const { return {pack(m_state), m_depth, m_lowest}; }
    // Whether they end with a tag's end after which text starts, as at a mark.
    bool afterTagEnd() const { return m_afterTagEnd; }

private:
    enum class State { Text, Entity, TagName, InTag, Attribute, AfterEquals, Value,
                       DoubleQuoted, SingleQuoted, Comment, Css, Script };
    // A start tag's element, and what the value of an attribute holds.
    enum class Kind { Plain, Script, Style };
    // The run of text the last piece ended in, which the next one goes on with.
    enum class Run { None, Short, Long };

    int pack(State state) const;
    State unpack(int packed);
    void lineEnded(int at, State &state, std::vector<Mark> &marks);
    // The state after a start or end tag's ">" at `at`, marked as a place to start again.
    State afterTag(int at, std::vector<Mark> &marks);
    // Reads on in the tag's or attribute's name from `from`: the bytes `part` takes.
    template<typename Part>
    int readName(const char *bytes, int from, int size, Part part);
    void endTagName();
    void endAttributeName();
    void open();
    void close();

    State m_state;
    Kind m_tag = Kind::Plain; // of the tag the text is in
    Kind m_attribute = Kind::Plain; // of the value an "=" is waiting for
    char m_quote = 0; // of the attribute value whose CSS or JavaScript is styled
    CssStyler m_css;
    ScriptStyler m_script;
    int m_depth = 0;
    int m_lowest = 0;
    // The tag's or attribute's name while it is read, upper case, as far as it matters.
    static constexpr int longestName = 10;
    char m_name[longestName] = {};
    int m_nameLength = -1; // -1 once the name has ended
    bool m_closing = false;
    Run m_run = Run::None;
    int m_opener = 0; // of a comment's "<!--", the bytes still to come
    int m_dashes = 0; // in a comment, the "-" just before
    bool m_afterSpace = false;
    bool m_alternate = false;
    int m_safe = 0; // where colouring could start last, from the piece's start
    int m_tagEnd = -1; // the last tag's ">" after which text starts, in the piece
    bool m_afterTagEnd = false;
};
