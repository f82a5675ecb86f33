#pragma once

// Styles the CSS of a STYLE element or of a STYLE="..." value, for HtmlStyler: selectors,
// properties, values with their numbers and units, strings, comments and @-rules.
class CssStyler
{
public:
    // A STYLE element's style sheet, which its end tag ends, or an attribute value's
    // declarations, which its quote ends.
    void start(char quote);
    // Styles bytes from i on and gives where it stopped: behind a line end, at size, or at
    // what ends the CSS (then ended is set); bytes up to known may be read.
    int style(const char *bytes, int i, int size, int known, char *styles, bool &ended);

    // What goes on over a line end, in 4 bits, and the styler at the next line's start.
    int packed() const;
    void unpack(char quote, int packed);

private:
    // What the text stands in outside comments and strings; an @-rule's block holds
    // rules, or declarations when the rule is one of those that describe one thing.
    enum class State { Selector, Property, Value, AtRule, AtRuleDeclarations };

    char declarations(char c, const char *bytes, int i, int known);
    char value(char c, const char *bytes, int i, int known);
    void nameAtRule(char c);

    State m_state = State::Selector;
    char m_quote = 0;
    bool m_comment = false;
    // Within a line only.
    char m_string = 0; // the quote of the string it is in
    bool m_escaped = false;
    bool m_opener = false; // the "*" of "/*" comes next
    bool m_star = false; // in a comment, a "*" just before
    bool m_number = false; // in a number or its unit
    bool m_word = false; // the byte before belongs to a name
    int m_parentheses = 0;
    int m_atName = -1; // bytes of the @-rule's name read so far; -1 once it has ended
    char m_name[24] = {};
};
