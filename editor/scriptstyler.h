#pragma once

// Styles the JavaScript of a SCRIPT element or of an on...="..." value, for HtmlStyler:
// keywords, strings, template strings with their ${...}, numbers, comments and regular
// expressions, told from a division as the token before tells.
class ScriptStyler
{
public:
    // A SCRIPT element's script, which its end tag ends whatever it is in, or an
    // attribute value's, which its quote ends.
    void start(char quote);
    // Styles bytes from i on and gives where it stopped: behind a line end, at size, or at
    // what ends the script (then ended is set); bytes up to known may be read.
    int style(const char *bytes, int i, int size, int known, char *styles, bool &ended);

    // What goes on over a line end, in 6 bits, and the styler at the next line's start.
    int packed() const;
    void unpack(char quote, int packed);

private:
    enum class State { Code, Word, Number, String, Template, Regex, LineComment, BlockComment };

    char code(const char *bytes, int i, int known);
    char word(const char *bytes, int i, int known);

    State m_state = State::Code;
    char m_quote = 0;
    // Whether the token before was an operand, after which "/" divides.
    bool m_operand = false;
    // Template strings: 0 none, 1 in one, 2 in the code of its ${...}, 3 in a template
    // string within that code, whose own ${ stays text.
    int m_nesting = 0;
    int m_braces = 0; // opened in the code of a ${...} and not closed yet, up to 3
    // Within a line only.
    char m_wordStyle = 0;
    char m_string = 0; // the quote of the string it is in
    char m_last = 0; // the code byte before
    bool m_escaped = false;
    bool m_opener = false; // the "*" of "/*" comes next
    bool m_star = false; // in a block comment, a "*" just before
    bool m_dollar = false; // the "{" of a template string's "${" comes next
    bool m_class = false; // in a regular expression's [...]
    bool m_flags = false; // behind a regular expression's closing "/"
};
