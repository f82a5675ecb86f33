#pragma once

#include <QByteArray>
#include <QString>

// What the text before the caret stands in, as far as completing a word there goes.
struct HtmlContext
{
    enum Kind {
        Text,
        TagName,       // "<TA"
        AttributeName, // "<TD AL"
        Value,         // "<TD ALIGN=", "<TD ALIGN=\"L"
        Entity,        // "&eac"
        Directive,     // "<!--#inc"
        Tag,           // elsewhere inside a tag
        Comment,       // also a directive past its name, and a declaration
        RawText,       // the contents of SCRIPT, STYLE and XMP
    };

    HtmlContext(Kind kind = Text, const QByteArray &element = {},
                const QByteArray &attribute = {}, const QByteArray &typed = {}, char quote = 0)
        : kind(kind), element(element), attribute(attribute), typed(typed), quote(quote)
    {
    }

    Kind kind;
    QByteArray element;   // the start tag's name, for an attribute name or a value
    QByteArray attribute; // for a value
    QByteArray typed;     // what has been typed of the word: name, value or entity
    char quote;           // the quote a value stands in, if any
};

// The context at the end of the text.
HtmlContext contextBefore(const QByteArray &text);

// The innermost element still open at the end of the text, spelt as its start tag has
// it; empty when none is. An end tag closes the last open element of its name with all
// opened after it; elements with no end tag, comments, directives and the contents of
// SCRIPT, STYLE and XMP open nothing, and a start tag ends the open one it follows where
// HTML leaves out the end tag (a new <LI> the item before).
QByteArray openElementBefore(const QByteArray &text);

// A name of the vocabulary in the case of what was typed of it: upper case when the first
// letter typed is upper case, lower case otherwise.
QString inTypedCase(const QString &name, const QByteArray &typed);
