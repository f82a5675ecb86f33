#pragma once

#include "htmlstyler.h"

#include <Qsci/qscilexercustom.h>

#include <climits>
#include <vector>

// The colouring of HTML source in the editor, by HtmlStyler: one pass over the bytes and
// one styling call per piece keep colouring a large page far cheaper than QScintilla's own
// HTML lexer. The same pass sets each line's fold level, which also keeps what colouring
// needs to start again at the next line.
class HtmlLexer : public QsciLexerCustom
{
    Q_OBJECT

public:
    // The hidden indicator that keeps, within long lines, where colouring can start again.
    static constexpr int markIndicator = 10;

    explicit HtmlLexer(QObject *parent = nullptr);

    const char *language() const override;
    QString description(int style) const override;
    QColor defaultColor(int style) const override;
    void styleText(int start, int end) override;

    // The text is about to change: colours set so far stay true outside the change.
    void textChanging(int position, int length, bool inserting);
    // A new document, with no colours yet.
    void newDocument();

    // The fold level of a line whose end has the mark, or of the last line with what the
    // styler ends in: the line's level, whether more elements are open at its end, and
    // above Scintilla's bits what the next line starts with.
    static int foldLevel(const HtmlStyler::Resume &lineEnd);

private:
    struct Start
    {
        int position;
        int line;
        HtmlStyler::Resume resume;
    };
    // Where colouring asked for from the start of a line can start, and with what: there,
    // or in a long line behind the last mark before the colours end.
    Start startPoint(int lineStart) const;
    // The start of the line of position, where colouring asked for there starts.
    int restartOf(int position) const;
    // The first mark kept at or after position and before end; -1 for none.
    int markFrom(int position, int end) const;
    // Where the colours may meet those set before: past what changed since.
    int meetingFrom(int start);
    // Whether the last change added or removed lines.
    void noteLinesChanged();
    // A line's level; while lines are folded away, the lines whose levels changed are
    // noted, and those no closed fold holds any longer are shown again.
    void setLevel(int line, int level, bool folded);
    // The levels gathered in m_levels, of the lines from first on, at once.
    void setLevels(int first);
    void showStrayLines();
    // The marks of the piece at from up to stop, instead of those kept there.
    void keepMarks(int from, int stop);

    // How far colouring had come before the text changed, in the text as it is now: the
    // editor forgets it once the text before it changes, but the colours up to there
    // stand, and only those meet a colouring that starts again.
    int m_coloured = 0;
    // How far lines have had their levels set: colours set that far may have been dropped
    // since, the levels stay.
    int m_levelled = 0;
    // The end of the text changed since colouring last passed it, -1 for none, and whether
    // a change added or removed a line end, which moves the lines' levels about.
    int m_changedUntil = -1;
    bool m_linesChanged = false;
    long m_lineCount = 0; // before the last change
    bool m_hasMarks = false;
    int m_refoldFrom = INT_MAX;
    int m_refoldTo = -1;
    // The lowest level of a fold that started, ended or moved among those lines: the lines
    // after them it holds, or held, are looked at too.
    int m_refoldLevel = INT_MAX;
    std::vector<HtmlStyler::Mark> m_marks;
    std::vector<int> m_levels;
};
