#include "htmllexer.h"

#include <Qsci/qsciscintilla.h>

#include <QColor>

#include <algorithm>
#include <climits>
#include <cstring>
#include <utility>

namespace {
using Sci = QsciScintilla;

// Above Scintilla's own bits, a line's fold level keeps the depth at the line's end and
// what the next line starts in.
constexpr int depthShift = 14;
constexpr int stateShift = 22;

HtmlStyler::Resume nextLineOf(int level)
{
    const int depth = (level >> depthShift) & HtmlStyler::maxDepth;
    return {(level >> stateShift) & 0x1ff, depth, depth};
}

// A mark's value in the indicator, never 0: the depth and the fewest since the line's start.
int markValue(const HtmlStyler::Resume &resume)
{
    return 1 | resume.depth << 1 | resume.lowest << 9;
}

HtmlStyler::Resume markResume(int value)
{
    return {0, (value >> 1) & HtmlStyler::maxDepth, value >> 9};
}
} // namespace

HtmlLexer::HtmlLexer(QObject *parent)
    : QsciLexerCustom(parent)
{
}

const char *HtmlLexer::language() const
{
    return "HTML";
}

QString HtmlLexer::description(int style) const
{
    static const char *const names[] = {
        "Text", "Tag", "Attribute", "Value", "Double-quoted value", "Single-quoted value",
        "Comment", "Entity", "Text, every other word", "CSS selector", "CSS property",
        "CSS value", "CSS @-rule", "Number", "String", "JavaScript keyword",
        "JavaScript template string", "JavaScript regular expression"};
    return style >= 0 && style <= HtmlStyler::JsRegex ? QString::fromLatin1(names[style])
                                                      : QString();
}

QColor HtmlLexer::defaultColor(int style) const
{
    switch (style) {
    case HtmlStyler::Tag:
        return QColor(0x00, 0x00, 0x80);
    case HtmlStyler::Attribute:
        return QColor(0x00, 0x80, 0x80);
    case HtmlStyler::Value:
    case HtmlStyler::DoubleQuoted:
    case HtmlStyler::SingleQuoted:
    case HtmlStyler::String:
        return QColor(0x7f, 0x00, 0x7f);
    case HtmlStyler::Comment:
        return QColor(0x80, 0x80, 0x00);
    case HtmlStyler::Entity:
        return QColor(0x80, 0x00, 0x80);
    case HtmlStyler::CssSelector:
        return QColor(0x80, 0x00, 0x00);
    case HtmlStyler::CssProperty:
        return QColor(0x00, 0x60, 0xa0);
    case HtmlStyler::CssValue:
        return QColor(0x00, 0x60, 0x00);
    case HtmlStyler::CssAtRule:
        return QColor(0x80, 0x00, 0xc0);
    case HtmlStyler::Number:
        return QColor(0xa0, 0x50, 0x00);
    case HtmlStyler::JsKeyword:
        return QColor(0x00, 0x00, 0xff);
    case HtmlStyler::JsTemplate:
        return QColor(0xa0, 0x30, 0x60);
    case HtmlStyler::JsRegex:
        return QColor(0x00, 0x80, 0x40);
    default:
        return QColor(0x00, 0x00, 0x00);
    }
}

int HtmlLexer::foldLevel(const HtmlStyler::Resume &lineEnd)
{
    return (Sci::SC_FOLDLEVELBASE + lineEnd.lowest)
           | (lineEnd.depth > lineEnd.lowest ? Sci::SC_FOLDLEVELHEADERFLAG : 0)
           | lineEnd.depth << depthShift | lineEnd.state << stateShift;
}

void HtmlLexer::newDocument()
{
    m_coloured = 0;
    m_levelled = 0;
    m_changedUntil = -1;
    m_linesChanged = false;
    m_hasMarks = false;
}

HtmlLexer::Start HtmlLexer::startPoint(int lineStart) const
{
    QsciScintilla *area = editor();
    const int line = int(area->SendScintilla(Sci::SCI_LINEFROMPOSITION, lineStart));
    const Start atLineStart{
        lineStart, line,
        line > 0 ? nextLineOf(int(area->SendScintilla(Sci::SCI_GETFOLDLEVEL, line - 1)))
                 : HtmlStyler::Resume{}};
    // Scintilla asks for the colours from the start of the line where they end; in a long
    // line, such as a minified page's only one, the last mark before them will do.
    const int styled = int(area->SendScintilla(Sci::SCI_GETENDSTYLED));
    if (!m_hasMarks || styled - lineStart <= HtmlStyler::markSpacing)
        return atLineStart;
    const auto valueAt = [area](long position) {
        return int(area->SendScintilla(Sci::SCI_INDICATORVALUEAT, markIndicator, position));
    };
    long at = styled - 1;
    if (valueAt(at) == 0)
        at = area->SendScintilla(Sci::SCI_INDICATORSTART, markIndicator, at) - 1;
    if (at < lineStart || valueAt(at) == 0
        || area->SendScintilla(Sci::SCI_GETCHARAT, at) != '>'
        || area->SendScintilla(Sci::SCI_GETSTYLEAT, at) != HtmlStyler::Tag)
        return atLineStart;
    return {int(at) + 1, line, markResume(valueAt(at))};
}

int HtmlLexer::restartOf(int position) const
{
    QsciScintilla *area = editor();
    const long line = area->SendScintilla(Sci::SCI_LINEFROMPOSITION, position);
    return int(area->SendScintilla(Sci::SCI_POSITIONFROMLINE, line));
}

int HtmlLexer::markFrom(int position, int end) const
{
    if (!m_hasMarks || position >= end)
        return -1;
    QsciScintilla *area = editor();
    long at = position;
    if (area->SendScintilla(Sci::SCI_INDICATORVALUEAT, markIndicator, at) == 0)
        at = area->SendScintilla(Sci::SCI_INDICATOREND, markIndicator, at);
    return at < end && area->SendScintilla(Sci::SCI_INDICATORVALUEAT, markIndicator, at) != 0
               ? int(at)
               : -1;
}

int HtmlLexer::meetingFrom(int start)
{
    noteLinesChanged();
    if (m_changedUntil < 0)
        return start;
    if (!m_linesChanged)
        return m_changedUntil;
    // Where line ends came or went, a line may hold another's level: only the lines after
    // the one where the changes end keep their own.
    QsciScintilla *area = editor();
    const long line = area->SendScintilla(Sci::SCI_LINEFROMPOSITION, m_changedUntil);
    const long next = area->SendScintilla(Sci::SCI_POSITIONFROMLINE, line + 1);
    return next < 0 ? INT_MAX : int(next);
}

void HtmlLexer::keepMarks(int from, int stop)
{
    const auto isKept = [stop](const HtmlStyler::Mark &mark) {
        return !mark.lineEnd && mark.at < stop;
    };
    const bool any = std::any_of(m_marks.begin(), m_marks.end(), isKept);
    if (!any && !m_hasMarks)
        return;
    QsciScintilla *area = editor();
    const long current = area->SendScintilla(Sci::SCI_GETINDICATORCURRENT);
    const long value = area->SendScintilla(Sci::SCI_GETINDICATORVALUE);
    area->SendScintilla(Sci::SCI_SETINDICATORCURRENT, markIndicator);
    if (m_hasMarks)
        area->SendScintilla(Sci::SCI_INDICATORCLEARRANGE, from, stop);
    for (const HtmlStyler::Mark &mark : m_marks) {
        if (!isKept(mark))
            continue;
        area->SendScintilla(Sci::SCI_SETINDICATORVALUE, markValue(mark.resume));
        area->SendScintilla(Sci::SCI_INDICATORFILLRANGE, from + mark.at, 1L);
    }
    area->SendScintilla(Sci::SCI_SETINDICATORCURRENT, current);
    area->SendScintilla(Sci::SCI_SETINDICATORVALUE, value);
    m_hasMarks = true;
}

void HtmlLexer::setLevel(int line, int level, bool folded)
{
    QsciScintilla *area = editor();
    if (folded) {
        const long before = area->SendScintilla(Sci::SCI_GETFOLDLEVEL, line);
        if (before != level) {
            m_refoldFrom = std::min(m_refoldFrom, line);
            m_refoldTo = std::max(m_refoldTo, line);
        }
        const long changed = before ^ level;
        // A fold that starts or ends here starts open.
        if (changed & Sci::SC_FOLDLEVELHEADERFLAG)
            area->SendScintilla(Sci::SCI_SETFOLDEXPANDED, line, 1L);
        if ((before | level) & Sci::SC_FOLDLEVELHEADERFLAG
            && changed & (Sci::SC_FOLDLEVELHEADERFLAG | Sci::SC_FOLDLEVELNUMBERMASK))
            m_refoldLevel = std::min({m_refoldLevel, int(before & Sci::SC_FOLDLEVELNUMBERMASK),
                                      level & Sci::SC_FOLDLEVELNUMBERMASK});
    }
    area->SendScintilla(Sci::SCI_SETFOLDLEVEL, line, level);
}

void HtmlLexer::setLevels(int first)
{
    if (m_levels.empty())
        return;
    m_levels.push_back(-1);
    editor()->SendScintilla(Sci::SCI_SETFOLDLEVELS, static_cast<unsigned long>(first),
                            static_cast<void *>(m_levels.data()));
    m_levels.clear();
}

void HtmlLexer::showStrayLines()
{
    // The hidden lines among those whose levels changed that no closed fold holds now,
    // as the folds around them tell, from the outermost around the first line in. A fold
    // that started, ended or moved among them may hold, or have held, lines after them
    // whose levels stay: an edit that puts a line end before a closed fold's first line
    // leaves its closed state behind on the line that was first.
    QsciScintilla *area = editor();
    const long from = std::exchange(m_refoldFrom, INT_MAX);
    const long to = std::exchange(m_refoldTo, -1);
    const int reach = std::exchange(m_refoldLevel, INT_MAX);
    const long lines = area->SendScintilla(Sci::SCI_GETLINECOUNT);
    const auto levelAt = [area](long line) {
        return int(area->SendScintilla(Sci::SCI_GETFOLDLEVEL, line));
    };
    const auto isShown = [area](long line) {
        return area->SendScintilla(Sci::SCI_GETLINEVISIBLE, line) != 0;
    };
    std::vector<std::pair<long, int>> folds; // header lines and their level numbers
    for (long parent = area->SendScintilla(Sci::SCI_GETFOLDPARENT, from); parent >= 0;
         parent = area->SendScintilla(Sci::SCI_GETFOLDPARENT, parent))
        folds.insert(folds.begin(), {parent, levelAt(parent) & Sci::SC_FOLDLEVELNUMBERMASK});
    for (long line = from; line < lines; ++line) {
        const int level = levelAt(line);
        const int number = level & Sci::SC_FOLDLEVELNUMBERMASK;
        if (line > to && number <= reach)
            break;
        while (!folds.empty() && folds.back().second >= number)
            folds.pop_back();
        if (!isShown(line)
            && (folds.empty()
                || (area->SendScintilla(Sci::SCI_GETFOLDEXPANDED, folds.back().first)
                    && isShown(folds.back().first))))
            area->SendScintilla(Sci::SCI_SHOWLINES, line, line);
        if (level & Sci::SC_FOLDLEVELHEADERFLAG)
            folds.emplace_back(line, number);
    }
}

void HtmlLexer::textChanging(int position, int length, bool inserting)
{
    QsciScintilla *area = editor();
    m_coloured = std::max(m_coloured, int(area->SendScintilla(Sci::SCI_GETENDSTYLED)));
    noteLinesChanged();
    m_lineCount = area->SendScintilla(Sci::SCI_GETLINECOUNT);
    const int end = position + length;
    if (inserting)
        m_changedUntil = std::max(m_changedUntil < position ? m_changedUntil
                                                             : m_changedUntil + length,
                                  end);
    else
        m_changedUntil = std::max(m_changedUntil > end ? m_changedUntil - length
                                                       : std::min(m_changedUntil, position),
                                  position);
    const auto follow = [&](int &reached) {
        if (position < reached)
            reached = inserting ? reached + length : std::max(position, reached - length);
    };
    follow(m_coloured);
    follow(m_levelled);
}

void HtmlLexer::noteLinesChanged()
{
    // A change that adds or removes lines, and only such a change, changes their number.
    if (m_changedUntil >= 0
        && editor()->SendScintilla(Sci::SCI_GETLINECOUNT) != m_lineCount)
        m_linesChanged = true;
}

void HtmlLexer::styleText(int start, int end)
{
    QsciScintilla *area = editor();
    if (!area || end <= start)
        return;
    // In pieces, so that colouring up to the middle of a large page needs no copy of it.
    constexpr int pieceSize = 1 << 16;
    static char styles[pieceSize];
    const long length = area->SendScintilla(Sci::SCI_GETLENGTH);
    // The colours from here on to where colouring had come were set before the change that
    // asks for colouring again, or before colouring started again for another reason.
    const int coloured
        = std::max(m_coloured, int(area->SendScintilla(Sci::SCI_GETENDSTYLED)));
    const Start begin = startPoint(start);
    const int meetFrom = meetingFrom(begin.position);
    HtmlStyler styler(begin.resume);
    int line = begin.line;
    const bool folded = area->SendScintilla(Sci::SCI_GETALLLINESVISIBLE) == 0;
    area->SendScintilla(Sci::SCI_STARTSTYLING, begin.position);
    int mark = markFrom(std::max(begin.position, meetFrom), coloured);
    for (int from = begin.position; from < end;) {
        // A piece ends at a mark set before, where the colours may meet those set then.
        int size = std::min(pieceSize, end - from);
        if (mark >= 0 && mark < from + size)
            size = mark + 1 - from;
        const int ahead = int(std::min<long>(HtmlStyler::lookAhead, length - from - size));
        // A pointer into the text that leaves the editor's gap where it is, so that
        // colouring after a keystroke moves no text.
        const auto bytes = reinterpret_cast<const char *>(area->SendScintilla(
            Sci::SCI_GETRANGEPOINTER, static_cast<unsigned long>(from), long(size + ahead)));
        m_marks.clear();
        styler.style(bytes, size, ahead, styles, m_marks);
        // A line that ends as it ended before, or a mark where the text stands as it stood,
        // is where the colours meet those set before: the rest is as it was, and a long line
        // is not coloured again to its end.
        int stop = size;
        bool met = false;
        int lineAt = line;
        for (const HtmlStyler::Mark &lineEnd : m_marks) {
            if (!lineEnd.lineEnd)
                continue;
            const int at = from + lineEnd.at;
            if (at >= meetFrom && at < coloured
                && area->SendScintilla(Sci::SCI_GETFOLDLEVEL, lineAt) >> depthShift
                       == foldLevel(lineEnd.resume) >> depthShift) {
                stop = lineEnd.at + 1;
                met = true;
                break;
            }
            ++lineAt;
        }
        if (!met && mark == from + size - 1 && styler.afterTagEnd()
            && area->SendScintilla(Sci::SCI_GETSTYLEAT, mark) == HtmlStyler::Tag
            && area->SendScintilla(Sci::SCI_INDICATORVALUEAT, markIndicator, mark)
                   == markValue(styler.resume()))
            met = true;
        // Colouring asked for again from where it starts now would meet the same place: it
        // goes on instead.
        if (met && coloured < end && restartOf(coloured) <= begin.position) {
            met = false;
            stop = size;
        }
        area->SendScintilla(Sci::SCI_SETSTYLINGEX, static_cast<uintptr_t>(stop), styles);
        // While nothing is folded away the piece's levels are set at once: the margin is
        // drawn again once for them, not once for each line.
        int first = line;
        for (const HtmlStyler::Mark &lineEnd : m_marks) {
            if (lineEnd.at >= stop)
                break;
            if (!lineEnd.lineEnd)
                continue;
            // Lines no colouring reached have the level of a line outside all folds.
            const int level = foldLevel(lineEnd.resume);
            if (from + lineEnd.at >= std::max(coloured, m_levelled)
                && level == Sci::SC_FOLDLEVELBASE) {
                setLevels(first);
                first = line + 1;
            } else if (folded) {
                setLevel(line, level, folded);
            } else {
                m_levels.push_back(level);
            }
            ++line;
        }
        setLevels(first);
        m_levelled = std::max(m_levelled, from + stop);
        keepMarks(from, stop);
        if (m_refoldTo >= 0)
            showStrayLines();
        if (met) {
            // What colouring had not reached is coloured now, as it would be when asked for.
            m_changedUntil = -1;
            m_linesChanged = false;
            const int reached = std::min(end, coloured);
            area->SendScintilla(Sci::SCI_STARTSTYLING, reached);
            if (reached < end)
                styleText(restartOf(reached), end);
            return;
        }
        from += size;
        if (mark >= 0 && mark < from)
            mark = markFrom(std::max(from, meetFrom), coloured);
    }
    if (end >= length) {
        setLevel(line, foldLevel(styler.resume()), folded);
        // The last line's level is set too: a line end typed into it later ends a line whose
        // level may differ from a line no colouring reached.
        m_levelled = std::max(m_levelled, int(length) + 1);
    }
    if (m_refoldTo >= 0)
        showStrayLines();
    if (m_changedUntil >= 0 && end >= meetFrom) {
        m_changedUntil = -1;
        m_linesChanged = false;
    }
}
