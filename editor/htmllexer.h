#pragma once

#include <Qsci/qscilexercustom.h>

// The colouring of HTML source in the editor, by HtmlStyler: one pass over the bytes and
// one styling call per piece keep colouring a large page far cheaper than QScintilla's own
// HTML lexer, which also colours embedded scripts.
class HtmlLexer : public QsciLexerCustom
{
    Q_OBJECT

public:
    explicit HtmlLexer(QObject *parent = nullptr);

    const char *language() const override;
    QString description(int style) const override;
    QColor defaultColor(int style) const override;
    void styleText(int start, int end) override;

    // The text is about to change: colours set so far stay true outside the change.
    void textChanging(int position, int length, bool inserting);
    // A new document, with no colours yet.
    void newDocument() { m_coloured = 0; }

private:
    // Where colouring asked for from the start of a line can start: there, or just behind
    // the end of a tag.
    int restartPoint(int lineStart) const;

    // How far colouring had come before the text changed, in the text as it is now: the
    // editor forgets it once the text before it changes, but the colours up to there
    // stand, and only those meet a colouring that starts again.
    int m_coloured = 0;
};
