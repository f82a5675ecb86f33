#pragma once

#include "htmlcontext.h"

#include <QObject>
#include <QStringList>

class Editor;

// Completes what is typed from the vocabulary, in Scintilla's own list: element names
// after "<", attributes and their values inside a start tag, entities after "&" and
// directives after "<!--#". Typing "</" writes the end tag of the open element. Each
// completion is one undo step and goes into the document as typing does.
class Completion : public QObject
{
public:
    explicit Completion(Editor &editor);

    void setEnabled(bool enabled);
    bool isEnabled() const { return m_enabled; }
    // Whether a typed character is the next one of an end tag just written for the user,
    // which typing it again would double: such a character goes nowhere.
    bool typesOver(const QString &typed);

private:
    void characterAdded(int character);
    void accept(const QString &chosen, long wordStart);
    // Shows the list for what the context says is being typed; none when nothing fits.
    void offer(const HtmlContext &context, long wordStart);
    // Narrows the open list to what is typed since it opened, or closes it.
    void narrow();
    bool listOpen() const;
    void close();
    void writeEndTag();
    void replace(long from, long to, const QByteArray &text, long caretBack = 0);
    // The text from a bounded way back up to the position.
    QByteArray before(long position) const;
    char at(long position) const;
    long caret() const;

    Editor &m_editor;
    bool m_enabled = true;
    HtmlContext m_listed;   // what the open list completes
    QStringList m_items;    // what it shows
    long m_wordStart = -1; // where its word begins; -1 while no list is open
    QByteArray m_typeOver;  // the rest of the end tag just written
    long m_typeOverAt = -1;
};
