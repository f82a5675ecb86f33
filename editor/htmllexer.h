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

private:
    // Where colouring asked for from the start of a line can start: there, or just behind
    // the end of a tag.
    int restartPoint(int lineStart) const;
};
