#include "editor.h"

#include "completion.h"
#include "documentloader.h"
#include "escapeplaces.h"
#include "htmllexer.h"
#include "qtcompat.h"
#include "textarea.h"

#include "document/occurrences.h"

#include <Qsci/qscicommand.h>
#include <Qsci/qscicommandset.h>
#include <Qsci/qscidocument.h>
#include <Qsci/qsciscintilla.h>

#include <QColor>
#include <QFontDatabase>
#include <QIODevice>
#include <QVBoxLayout>

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace {
// The indicator that draws strikethrough, which Scintilla has no style for.
constexpr int strikeIndicator = 8;
// The indicator that marks a tag and its partner, as editors mark matching braces.
constexpr int tagIndicator = 9;
// The wavy underline of misspelt words.
constexpr int spellingIndicator = 10;

// The text with each of its line breaks (CR LF, LF or CR) written as lineEnd; what lies
// between them is copied a run at a time.
QByteArray withLineEnds(const QByteArray &text, const QByteArray &lineEnd)
{
    const char *p = text.constData();
    const char *end = p + text.size();
    const auto next = [end](const char *from, char c) {
        const void *found = std::memchr(from, c, end - from);
        return found ? static_cast<const char *>(found) : end;
    };
    const char *cr = next(p, '\r');
    if (cr == end && lineEnd == "\n")
        return text;
    const char *lf = next(p, '\n');
    QByteArray written;
    written.reserve(text.size() + text.size() / 8);
    for (;;) {
        const char *lineBreak = std::min(cr, lf);
        written.append(p, lineBreak - p);
        if (lineBreak == end)
            return written;
        written += lineEnd;
        const bool crlf = *lineBreak == '\r' && lineBreak + 1 < end && lineBreak[1] == '\n';
        p = lineBreak + (crlf ? 2 : 1);
        if (cr < p)
            cr = next(p, '\r');
        if (lf < p)
            lf = next(p, '\n');
    }
}
} // namespace

Editor::Editor(QWidget *parent)
    : QWidget(parent)
    , m_area(new TextArea(this))
    , m_lexer(new HtmlLexer(this))
{
    auto layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_area);
    setFocusProxy(m_area);

    m_area->setUtf8(true);
    m_area->installEventFilter(this);
    m_area->setWrapMode(QsciScintilla::WrapWord);
    // QScintilla shows annotations, and to find their heights Scintilla lays out every
    // changed line of a wrapped document at once; there are none here, and wrapping is
    // left to idle time.
    m_area->setAnnotationDisplay(QsciScintilla::AnnotationHidden);
    // QScintilla keeps a layout for every line of a wrapped document, and walks them all
    // on every edit; the lines on screen are enough.
    m_area->SendScintilla(QsciScintilla::SCI_SETLAYOUTCACHE, QsciScintilla::SC_CACHE_PAGE);
    // A view far ahead of the colouring (Ctrl+End on a large page) is shown at once and
    // coloured in idle time, instead of waiting while all the text before it is coloured.
    m_area->SendScintilla(QsciScintilla::SCI_SETIDLESTYLING, QsciScintilla::SC_IDLESTYLING_TOVISIBLE);
    m_area->setMarginWidth(1, 0);
    m_area->SendScintilla(QsciScintilla::SCI_SETPASTECONVERTENDINGS, 0UL);
    m_area->SendScintilla(QsciScintilla::SCI_INDICSETSTYLE, strikeIndicator,
                          long(QsciScintilla::INDIC_STRIKE));
    m_area->SendScintilla(QsciScintilla::SCI_INDICSETSTYLE, tagIndicator,
                          long(QsciScintilla::INDIC_ROUNDBOX));
    m_area->SendScintilla(QsciScintilla::SCI_INDICSETFORE, tagIndicator, QColor(0, 96, 224));
    m_area->SendScintilla(QsciScintilla::SCI_INDICSETALPHA, tagIndicator, 70L);
    m_area->SendScintilla(QsciScintilla::SCI_INDICSETOUTLINEALPHA, tagIndicator, 160L);
    m_area->SendScintilla(QsciScintilla::SCI_INDICSETSTYLE, spellingIndicator,
                          long(QsciScintilla::INDIC_SQUIGGLE));
    m_area->SendScintilla(QsciScintilla::SCI_INDICSETFORE, spellingIndicator, QColor(Qt::red));
    m_area->setLexer(m_lexer);
    // Laying out a line measures each run of one colour through Qt's text layout, unless
    // the run is short and in the cache of measured runs. The tags, attributes and words
    // of a page repeat; the default cache of 1024 runs is too small to hold them.
    m_area->SendScintilla(QsciScintilla::SCI_SETPOSITIONCACHE, 16384UL);
    // The word list: items hold blanks ("Times New Roman"); it keeps the order given (values
    // as the dialogs list them), matches without case but prefers the case typed, and closes
    // only when a word is chosen, given up with Escape or no longer fits.
    m_area->SendScintilla(QsciScintilla::SCI_AUTOCSETSEPARATOR, long('\n'));
    m_area->SendScintilla(QsciScintilla::SCI_AUTOCSETTYPESEPARATOR, long('\x1e'));
    m_area->SendScintilla(QsciScintilla::SCI_AUTOCSETORDER, long(QsciScintilla::SC_ORDER_CUSTOM));
    m_area->SendScintilla(QsciScintilla::SCI_AUTOCSETIGNORECASE, 1L);
    m_area->SendScintilla(QsciScintilla::SCI_AUTOCSETCASEINSENSITIVEBEHAVIOUR,
                          long(QsciScintilla::SC_CASEINSENSITIVEBEHAVIOUR_RESPECTCASE));
    m_area->SendScintilla(QsciScintilla::SCI_AUTOCSETFILLUPS, "");
    m_area->SendScintilla(QsciScintilla::SCI_AUTOCSETCHOOSESINGLE, 0L);
    m_area->SendScintilla(QsciScintilla::SCI_AUTOCSETCANCELATSTART, 0L);
    m_area->SendScintilla(QsciScintilla::SCI_AUTOCSETMAXHEIGHT, 10L);
    connect(m_area, &QsciScintilla::SCN_CHARADDED, this, &Editor::characterTyped);
    connect(m_area, &QsciScintilla::SCN_AUTOCCHARDELETED, this,
            &Editor::wordListCharacterDeleted);
    connect(m_area,
            qOverload<const char *, int, int, int>(&QsciScintilla::SCN_AUTOCSELECTION), this,
            [this](const char *item, int wordStart, int, int) {
                emit wordListChosen(QString::fromUtf8(item), wordStart);
            });
    m_completion = new Completion(*this);

    QFont font(QStringLiteral("Courier New"), 10);
    if (!QtCompat::fontFamilies().contains(font.family())) {
        font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
        font.setPointSize(10);
    }
    setDisplayFont(font);

    m_area->inputHandled = [this] {
        keepStrikeOut();
        noticeSelection();
    };
    m_area->rightButtonPressed = [this](const QPoint &at) { emit rightButtonPressed(at); };
    m_area->fileDropped = [this](const QString &file) { emit fileDropped(file); };
    m_area->typedOver = [this](const QString &typed) { return m_completion->typesOver(typed); };
    m_area->zoomedBy = [this](int steps) { setZoom(zoom() + steps); };
    connect(m_area, &QsciScintilla::SCN_UPDATEUI, this, [this](int updated) {
        if (updated & QsciScintilla::SC_UPDATE_SELECTION)
            noticeSelection();
        if (updated & QsciScintilla::SC_UPDATE_CONTENT) {
            keepStrikeOut();
            fitLineNumbers();
        }
        if (updated & QsciScintilla::SC_UPDATE_V_SCROLL)
            emit viewMoved();
    });
    connect(m_area, &QsciScintilla::SCN_ZOOM, this, [this] {
        fitLineNumbers(Measure::Again);
        emit zoomChanged(zoom());
    });
    accessibilityActiveChanged(QAccessible::isActive());
    QAccessible::installActivationObserver(this);
    connect(m_area, &QsciScintilla::SCN_MODIFIED, this,
            [this](int position, int type, const char *, int length) {
        if (!(type & (QsciScintilla::SC_MOD_BEFOREINSERT | QsciScintilla::SC_MOD_BEFOREDELETE)))
            return;
        m_lexer->textChanging(position, length, type & QsciScintilla::SC_MOD_BEFOREINSERT);
        if (position < m_counted.position)
            m_counted = {};
        if (!m_loading)
            emit textEdited();
    });
    connect(m_area, &QsciScintilla::modificationChanged, this,
            [this] { emit modifiedChanged(isModified()); });
}

Editor::~Editor()
{
    QAccessible::removeActivationObserver(this);
}

void Editor::accessibilityActiveChanged(bool active)
{
    // Only the "about to change" notifications: QScintilla answers the others with work
    // that grows with the document, which would make every edit of a large file slow. An
    // assistive tool that listens hears of each insert and delete from those others.
    unsigned long mask = QsciScintilla::SC_MOD_BEFOREINSERT | QsciScintilla::SC_MOD_BEFOREDELETE;
    if (active)
        mask |= QsciScintilla::SC_MOD_INSERTTEXT | QsciScintilla::SC_MOD_DELETETEXT;
    m_area->SendScintilla(QsciScintilla::SCI_SETMODEVENTMASK, mask);
}

void Editor::putSelectedText(const QString &text, LineBreaks breaks)
{
    QByteArray data = text.toUtf8();
    if (breaks == LineBreaks::PagesOwn)
        data = withLineEnds(data, lineEnd());
    m_area->SendScintilla(QsciScintilla::SCI_BEGINUNDOACTION);
    m_area->SendScintilla(QsciScintilla::SCI_TARGETFROMSELECTION);
    m_area->SendScintilla(QsciScintilla::SCI_REPLACETARGET, data.size(), data.constData());
    const long end = m_area->SendScintilla(QsciScintilla::SCI_GETTARGETEND);
    m_area->SendScintilla(QsciScintilla::SCI_GOTOPOS, end);
    m_area->SendScintilla(QsciScintilla::SCI_ENDUNDOACTION);
    keepStrikeOut();
    announceSelection();
}

QString Editor::selectedText() const
{
    const auto [start, end] = std::minmax({currentSelection().first, currentSelection().second});
    return QString::fromUtf8(heldText() + start, end - start);
}

int Editor::selectionLength() const
{
    const auto [start, end] = std::minmax({currentSelection().first, currentSelection().second});
    return int(m_area->SendScintilla(QsciScintilla::SCI_COUNTCHARACTERS, start, end));
}

void Editor::selectAll()
{
    m_area->SendScintilla(QsciScintilla::SCI_SELECTALL);
    announceSelection();
}

bool Editor::find(const QString &text, int flags)
{
    const Needle needle(text, flags);
    if (needle.text.isEmpty())
        return false;
    const long length = m_area->SendScintilla(QsciScintilla::SCI_GETLENGTH);
    const long from = m_area->SendScintilla(QsciScintilla::SCI_GETSELECTIONEND);
    if (!searchIn(needle, from, length) && !searchIn(needle, 0, length))
        return false;
    m_area->SendScintilla(QsciScintilla::SCI_SETSEL,
                          m_area->SendScintilla(QsciScintilla::SCI_GETTARGETSTART),
                          m_area->SendScintilla(QsciScintilla::SCI_GETTARGETEND));
    announceSelection();
    return true;
}

bool Editor::selectionMatches(const QString &text, int flags) const
{
    const Needle needle(text, flags);
    const long start = m_area->SendScintilla(QsciScintilla::SCI_GETSELECTIONSTART);
    const long end = m_area->SendScintilla(QsciScintilla::SCI_GETSELECTIONEND);
    if (needle.text.isEmpty() || start == end)
        return false;
    return searchIn(needle, start, end)
           && m_area->SendScintilla(QsciScintilla::SCI_GETTARGETSTART) == start
           && m_area->SendScintilla(QsciScintilla::SCI_GETTARGETEND) == end;
}

int Editor::replaceAll(const QString &text, const QString &replacement, int flags)
{
    const Needle needle(text, flags);
    if (needle.text.isEmpty())
        return 0;
    // The occurrences in the text as it stands, so that a replacement holding the text is
    // not replaced again.
    std::vector<long> found;
    const long length = heldLength();
    for (long from = 0; searchIn(needle, from, length);
         from = m_area->SendScintilla(QsciScintilla::SCI_GETTARGETEND))
        found.push_back(m_area->SendScintilla(QsciScintilla::SCI_GETTARGETSTART));
    if (found.empty())
        return 0;

    const Occurrences occurrences{found, long(needle.bytes.size()), replacement.toUtf8()};
    const auto [anchor, caret] = currentSelection();
    const long topLine = m_area->SendScintilla(
        QsciScintilla::SCI_DOCLINEFROMVISIBLE,
        m_area->SendScintilla(QsciScintilla::SCI_GETFIRSTVISIBLELINE));
    const long topStart = m_area->SendScintilla(QsciScintilla::SCI_POSITIONFROMLINE, topLine);
    m_area->SendScintilla(QsciScintilla::SCI_BEGINUNDOACTION);
    // From the last piece to the first, so that the places found stay true.
    for (std::size_t last = found.size(); last > 0;) {
        const std::size_t first = occurrences.pieceStart(last);
        replacePiece(occurrences, first, last);
        last = first;
    }
    m_area->SendScintilla(QsciScintilla::SCI_ENDUNDOACTION);
    // Not SCI_SETSEL, which would scroll to a caret the user has scrolled away from.
    m_area->SendScintilla(QsciScintilla::SCI_SETANCHOR, occurrences.moved(anchor));
    m_area->SendScintilla(QsciScintilla::SCI_SETCURRENTPOS, occurrences.moved(caret));
    m_area->SendScintilla(
        QsciScintilla::SCI_SETFIRSTVISIBLELINE,
        m_area->SendScintilla(
            QsciScintilla::SCI_VISIBLEFROMDOCLINE,
            m_area->SendScintilla(QsciScintilla::SCI_LINEFROMPOSITION,
                                  occurrences.moved(topStart))));
    keepStrikeOut();
    noticeSelection();
    return int(found.size());
}

void Editor::replacePiece(const Occurrences &occurrences, std::size_t first, std::size_t last)
{
    const long start = occurrences.starts[first];
    const long end = occurrences.starts[last - 1] + occurrences.length;
    const QByteArray piece = occurrences.piece(heldPointer(start, end), first, last);
    m_area->SendScintilla(QsciScintilla::SCI_SETTARGETRANGE, start, end);
    m_area->SendScintilla(QsciScintilla::SCI_REPLACETARGET, piece.size(), piece.constData());
}

void Editor::deleteForward()
{
    m_area->SendScintilla(QsciScintilla::SCI_CLEAR);
    // Nothing after the caret to delete is no change at all.
    noticeSelection();
}

QByteArray Editor::bytes(const QString &fileName) const
{
    if (m_encoding != Encoding::Windows1252)
        return contents();
    const char *text = heldText();
    const long length = heldLength();
    if (fileName.endsWith(QLatin1String(".js"), Qt::CaseInsensitive))
        return toWindows1252(text, length, [](qsizetype) { return Escape::Script; });
    EscapePlaces places(QByteArray::fromRawData(text, length));
    return toWindows1252(text, length, [&places](qsizetype at) { return places.at(at); });
}

bool Editor::writeTo(QIODevice &device, const QString &fileName) const
{
    if (m_encoding == Encoding::Windows1252) {
        const QByteArray data = bytes(fileName);
        return device.write(data) == data.size();
    }
    return device.write(heldText(), heldLength()) == heldLength();
}

void Editor::setBytes(const QByteArray &bytes)
{
    DocumentLoader loader;
    loader.reserve(bytes.size());
    loader.add(bytes.constData(), bytes.size());
    adopt(loader);
}

void Editor::adopt(DocumentLoader &loader)
{
    m_encoding = loader.finish();
    m_loading = true;
    m_area->setDocument(loader.m_holder->document());
    m_lexer->newDocument();
    m_counted = {};
    keepStrikeOut();
    fitLineNumbers();
    m_lastSelection = currentSelection();
    m_loading = false;
    setSavePoint();
    emit caretMoved();
}

QByteArray Editor::contents() const
{
    QByteArray copy;
    copyContents(copy);
    return copy;
}

void Editor::copyContents(QByteArray &buffer) const
{
    // Copied by range, which reads round the gap where the editor makes its changes: the
    // whole text as one pointer would move the text behind the gap to close it, and the
    // next keystroke would move it back.
    const long length = heldLength();
    buffer.resize(length); // with room for the closing NUL
    if (length > 0)
        m_area->SendScintilla(QsciScintilla::SCI_GETTEXTRANGE, 0L, length, buffer.data());
}

void Editor::setContents(const QByteArray &text, Encoding encoding)
{
    setBytes(text);
    m_encoding = encoding;
}

QString Editor::text() const
{
    return QString::fromUtf8(heldText(), heldLength());
}

QByteArray Editor::lineEnd() const
{
    if (lineCount() < 2)
        return m_systemLineEnd;
    const long end = m_area->SendScintilla(QsciScintilla::SCI_GETLINEENDPOSITION, 0L);
    const auto at = [this](long position) {
        return char(m_area->SendScintilla(QsciScintilla::SCI_GETCHARAT, position));
    };
    if (at(end) == '\n')
        return "\n";
    return at(end + 1) == '\n' ? "\r\n" : "\r";
}

void Editor::setSystemLineEnd(const QByteArray &lineEnd)
{
    m_systemLineEnd = lineEnd;
}

bool Editor::eventFilter(QObject *watched, QEvent *event)
{
    // Looked at before every key rather than kept: the page's first line end may have come
    // since, with a paste, a drop or an undo.
    if (watched == m_area && event->type() == QEvent::KeyPress) {
        const QByteArray end = lineEnd();
        m_area->setEolMode(end == "\r\n" ? QsciScintilla::EolWindows
                           : end == "\r"  ? QsciScintilla::EolMac
                                          : QsciScintilla::EolUnix);
    }
    return QWidget::eventFilter(watched, event);
}

bool Editor::isModified() const
{
    return m_unsaved || m_area->SendScintilla(QsciScintilla::SCI_GETMODIFY) != 0;
}

void Editor::setSavePoint()
{
    m_unsaved = false;
    // Scintilla tells the save point even when it is already there.
    m_area->SendScintilla(QsciScintilla::SCI_SETSAVEPOINT);
}

void Editor::markUnsaved()
{
    m_unsaved = true;
    emit modifiedChanged(true);
}

void Editor::setDisplayFont(const QFont &font)
{
    m_font = font;
    // One font for every style: the colouring keeps its colours, never its own fonts.
    m_lexer->setDefaultFont(font);
    m_lexer->setFont(font, -1);
    m_area->setFont(font);
    if (font.strikeOut())
        keepStrikeOut();
    else
        m_area->clearIndicatorRange(0, 0, m_area->lines(), 0, strikeIndicator);
    QFont numbers = font;
    numbers.setUnderline(false);
    m_area->setMarginsFont(numbers);
    fitLineNumbers(Measure::Again);
}

void Editor::setLineNumbers(bool on)
{
    m_lineNumbers = on;
    fitLineNumbers(Measure::Again);
}

int Editor::zoom() const
{
    return int(m_area->SendScintilla(QsciScintilla::SCI_GETZOOM));
}

void Editor::setZoom(int level)
{
    // Scintilla tells of the change (SCN_ZOOM), also of its own.
    m_area->SendScintilla(QsciScintilla::SCI_SETZOOM,
                          long(std::clamp(level, minimumZoom, maximumZoom)));
}

void Editor::zoomIn()
{
    setZoom(zoom() + 1);
}

void Editor::zoomOut()
{
    setZoom(zoom() - 1);
}

TextPosition Editor::caretPosition() const
{
    // Line lookups are cheap; only the characters of the caret's own line are counted, and
    // of a long line only those between the caret and where it was counted last.
    const long position = caretOffset();
    const long line = m_area->SendScintilla(QsciScintilla::SCI_LINEFROMPOSITION, position);
    const long lineStart = m_area->SendScintilla(QsciScintilla::SCI_POSITIONFROMLINE, line);
    const auto count = [this](long from, long to) {
        return m_area->SendScintilla(QsciScintilla::SCI_COUNTCHARACTERS, from, to);
    };
    long column = 0;
    if (m_counted.lineStart != lineStart
        || std::abs(position - m_counted.position) > position - lineStart)
        column = count(lineStart, position);
    else if (position >= m_counted.position)
        column = m_counted.column + count(m_counted.position, position);
    else
        column = m_counted.column - count(position, m_counted.position);
    m_counted = {lineStart, position, column};
    return {int(line) + 1, int(column) + 1};
}

int Editor::lineCount() const
{
    return int(m_area->SendScintilla(QsciScintilla::SCI_GETLINECOUNT));
}

void Editor::setCaret(const TextPosition &position)
{
    const long line = std::clamp(position.line, 1, lineCount()) - 1;
    const long lineStart = m_area->SendScintilla(QsciScintilla::SCI_POSITIONFROMLINE, line);
    const long lineEnd = m_area->SendScintilla(QsciScintilla::SCI_GETLINEENDPOSITION, line);
    const long characters = std::max(position.column, 1) - 1;
    long target = m_area->SendScintilla(QsciScintilla::SCI_POSITIONRELATIVE, lineStart,
                                        characters);
    // Scintilla answers 0 for a place beyond the document's end.
    if (target > lineEnd || (target == 0 && characters > 0))
        target = lineEnd;
    m_area->SendScintilla(QsciScintilla::SCI_GOTOPOS, target);
    announceSelection();
}

long Editor::caretOffset() const
{
    return m_area->SendScintilla(QsciScintilla::SCI_GETCURRENTPOS);
}

QByteArray Editor::heldRange(long from, long to) const
{
    const long length = m_area->SendScintilla(QsciScintilla::SCI_GETLENGTH);
    from = std::clamp(from, 0L, length);
    to = std::clamp(to, from, length);
    // Scintilla writes a closing NUL behind the text.
    QByteArray text(to - from + 1, Qt::Uninitialized);
    m_area->SendScintilla(QsciScintilla::SCI_GETTEXTRANGE, from, to, text.data());
    text.chop(1);
    return text;
}

void Editor::markTags(const std::vector<TextRange> &ranges)
{
    if (!m_tagsMarked && ranges.empty())
        return;
    m_area->SendScintilla(QsciScintilla::SCI_SETINDICATORCURRENT, tagIndicator);
    m_area->SendScintilla(QsciScintilla::SCI_INDICATORCLEARRANGE, 0UL,
                          m_area->SendScintilla(QsciScintilla::SCI_GETLENGTH));
    for (const TextRange &range : ranges)
        m_area->SendScintilla(QsciScintilla::SCI_INDICATORFILLRANGE, range.start,
                              range.end - range.start);
    m_tagsMarked = !ranges.empty();
}

std::vector<TextRange> Editor::tagMarks() const
{
    return marksOf(tagIndicator);
}

std::vector<TextRange> Editor::misspeltMarks() const
{
    return marksOf(spellingIndicator);
}

QPoint Editor::pointOf(long position) const
{
    const QPoint at(m_area->SendScintilla(QsciScintilla::SCI_POINTXFROMPOSITION, 0UL, position),
                    m_area->SendScintilla(QsciScintilla::SCI_POINTYFROMPOSITION, 0UL, position));
    return m_area->viewport()->mapToGlobal(at);
}

std::vector<TextRange> Editor::marksOf(int indicator) const
{
    std::vector<TextRange> ranges;
    const long length = m_area->SendScintilla(QsciScintilla::SCI_GETLENGTH);
    long position = 0;
    while (position < length) {
        const long end
            = m_area->SendScintilla(QsciScintilla::SCI_INDICATOREND, indicator, position);
        if (m_area->SendScintilla(QsciScintilla::SCI_INDICATORVALUEAT, indicator, position))
            ranges.push_back({position, end});
        if (end <= position)
            break;
        position = end;
    }
    return ranges;
}

std::pair<long, long> Editor::visibleRange() const
{
    const long firstShown = m_area->SendScintilla(QsciScintilla::SCI_GETFIRSTVISIBLELINE);
    const long shown = m_area->SendScintilla(QsciScintilla::SCI_LINESONSCREEN) + 1;
    const long first = m_area->SendScintilla(QsciScintilla::SCI_DOCLINEFROMVISIBLE, firstShown);
    const long last
        = m_area->SendScintilla(QsciScintilla::SCI_DOCLINEFROMVISIBLE, firstShown + shown);
    return {m_area->SendScintilla(QsciScintilla::SCI_POSITIONFROMLINE, first),
            m_area->SendScintilla(QsciScintilla::SCI_GETLINEENDPOSITION, last)};
}

long Editor::positionAt(const QPoint &globalPos) const
{
    const QPoint at = m_area->viewport()->mapFromGlobal(globalPos);
    return m_area->SendScintilla(QsciScintilla::SCI_POSITIONFROMPOINTCLOSE, long(at.x()),
                                 long(at.y()));
}

void Editor::select(long from, long to)
{
    m_area->SendScintilla(QsciScintilla::SCI_SETSEL, from, to);
    announceSelection();
}

void Editor::markMisspelt(long from, long to, const std::vector<TextRange> &words)
{
    to = std::min(to, heldLength());
    m_area->SendScintilla(QsciScintilla::SCI_SETINDICATORCURRENT, spellingIndicator);
    m_area->SendScintilla(QsciScintilla::SCI_INDICATORCLEARRANGE, from, to - from);
    for (const TextRange &word : words)
        m_area->SendScintilla(QsciScintilla::SCI_INDICATORFILLRANGE, word.start,
                              word.end - word.start);
}

TextRange Editor::misspeltAt(long position) const
{
    if (position < 0
        || !m_area->SendScintilla(QsciScintilla::SCI_INDICATORVALUEAT, spellingIndicator,
                                  position))
        return {};
    return {long(m_area->SendScintilla(QsciScintilla::SCI_INDICATORSTART, spellingIndicator,
                                       position)),
            long(m_area->SendScintilla(QsciScintilla::SCI_INDICATOREND, spellingIndicator,
                                       position))};
}

QFont Editor::displayFont() const
{
    return m_font;
}

void Editor::setAutoCompletion(bool on)
{
    m_completion->setEnabled(on);
}

bool Editor::autoCompletion() const
{
    return m_completion->isEnabled();
}

void Editor::replaceRange(long from, long to, const QByteArray &text, long caret)
{
    m_area->SendScintilla(QsciScintilla::SCI_BEGINUNDOACTION);
    m_area->SendScintilla(QsciScintilla::SCI_SETTARGETRANGE, from, to);
    m_area->SendScintilla(QsciScintilla::SCI_REPLACETARGET, text.size(), text.constData());
    m_area->SendScintilla(QsciScintilla::SCI_GOTOPOS, caret);
    m_area->SendScintilla(QsciScintilla::SCI_ENDUNDOACTION);
}

char Editor::heldByte(long position) const
{
    if (position < 0)
        return 0;
    return char(m_area->SendScintilla(QsciScintilla::SCI_GETCHARAT, position));
}

void Editor::showWordList(long typedLength, const QStringList &items)
{
    const QByteArray list = items.join(QLatin1Char('\n')).toUtf8();
    m_area->SendScintilla(QsciScintilla::SCI_AUTOCSHOW, static_cast<uintptr_t>(typedLength),
                          list.constData());
}

bool Editor::wordListShown() const
{
    return m_area->SendScintilla(QsciScintilla::SCI_AUTOCACTIVE) != 0;
}

void Editor::closeWordList()
{
    m_area->SendScintilla(QsciScintilla::SCI_AUTOCCANCEL);
}

void Editor::releaseKeys(const QList<QKeySequence> &keys)
{
    const QList<QsciCommand *> commands = m_area->standardCommands()->commands();
    for (const QKeySequence &sequence : keys) {
        if (sequence.isEmpty())
            continue;
        const int key = QtCompat::firstKey(sequence);
        for (QsciCommand *command : commands) {
            if (command->key() == key)
                command->setKey(0);
            if (command->alternateKey() == key)
                command->setAlternateKey(0);
        }
    }
}

QWidget *Editor::textArea() const
{
    return m_area;
}

Editor::Selection Editor::currentSelection() const
{
    return {m_area->SendScintilla(QsciScintilla::SCI_GETANCHOR),
            m_area->SendScintilla(QsciScintilla::SCI_GETCURRENTPOS)};
}

Editor::Needle::Needle(const QString &text, int flags)
    : text(text.toUtf8())
    , flags(flags)
    , bytes(this->text, flags & MatchCase)
{
}

bool Editor::searchIn(const Needle &needle, long start, long end) const
{
    const auto scintillaSearch = [&](long from, long to) {
        m_area->SendScintilla(QsciScintilla::SCI_SETSEARCHFLAGS, needle.flags);
        m_area->SendScintilla(QsciScintilla::SCI_SETTARGETRANGE, from, to);
        return m_area->SendScintilla(QsciScintilla::SCI_SEARCHINTARGET, needle.text.size(),
                                     needle.text.constData())
               >= 0;
    };
    if (end <= start)
        return false;
    const char *text = heldPointer(start, end);
    for (long at = start;;) {
        const qint64 found = needle.bytes.in(text + (at - start), end - at);
        if (found < 0)
            return false;
        const long match = at + long(found);
        const long matchEnd = match + long(needle.bytes.size());
        // Scintilla judges word bounds as everywhere else in the editor.
        if (!(needle.flags & WholeWord) || scintillaSearch(match, matchEnd)) {
            m_area->SendScintilla(QsciScintilla::SCI_SETTARGETRANGE, match, matchEnd);
            return true;
        }
        at = match + 1;
    }
}

void Editor::noticeSelection()
{
    keepOneRange();
    if (m_loading || currentSelection() == m_lastSelection)
        return;
    announceSelection();
}

void Editor::keepOneRange()
{
    using Sci = QsciScintilla;
    const bool block = m_area->SendScintilla(Sci::SCI_SELECTIONISRECTANGLE) != 0;
    if (!block && m_area->SendScintilla(Sci::SCI_GETSELECTIONS) <= 1)
        return;
    const long anchor = m_area->SendScintilla(block ? Sci::SCI_GETRECTANGULARSELECTIONANCHOR
                                                    : Sci::SCI_GETANCHOR);
    const long caret = m_area->SendScintilla(block ? Sci::SCI_GETRECTANGULARSELECTIONCARET
                                                   : Sci::SCI_GETCURRENTPOS);
    m_area->SendScintilla(Sci::SCI_SETEMPTYSELECTION, caret);
    m_area->SendScintilla(Sci::SCI_SETANCHOR, anchor);
}

void Editor::announceSelection()
{
    m_lastSelection = currentSelection();
    emit selectionChanged();
    emit caretMoved();
}

const char *Editor::heldText() const
{
    return static_cast<const char *>(
        m_area->SendScintillaPtrResult(QsciScintilla::SCI_GETCHARACTERPOINTER));
}

const char *Editor::heldPointer(long from, long to) const
{
    return reinterpret_cast<const char *>(
        m_area->SendScintilla(QsciScintilla::SCI_GETRANGEPOINTER,
                              static_cast<unsigned long>(from), static_cast<long>(to - from)));
}

long Editor::heldLength() const
{
    return m_area->SendScintilla(QsciScintilla::SCI_GETLENGTH);
}

void Editor::fitLineNumbers(Measure measure)
{
    // Looked at after every change of the text, so it costs no more than the line count.
    int digits = 0;
    if (m_lineNumbers) {
        for (int lines = lineCount(); lines > 0; lines /= 10)
            ++digits;
    }
    if (digits == m_numberDigits && measure == Measure::WhenDigitsChange)
        return;
    m_numberDigits = digits;
    long width = 0;
    if (digits > 0) {
        // A digit more than the numbers have keeps them off the margin's left edge.
        const QByteArray widest(digits + 1, '9');
        width = m_area->SendScintilla(QsciScintilla::SCI_TEXTWIDTH,
                                      QsciScintilla::STYLE_LINENUMBER, widest.constData());
    }
    m_area->SendScintilla(QsciScintilla::SCI_SETMARGINWIDTHN, 0UL, width);
}

void Editor::keepStrikeOut()
{
    if (!m_font.strikeOut())
        return;
    const long length = m_area->SendScintilla(QsciScintilla::SCI_GETLENGTH);
    const bool covered
        = m_area->SendScintilla(QsciScintilla::SCI_INDICATORVALUEAT, strikeIndicator, 0L) != 0
          && m_area->SendScintilla(QsciScintilla::SCI_INDICATOREND, strikeIndicator, 0L) >= length;
    if (covered)
        return;
    m_area->SendScintilla(QsciScintilla::SCI_SETINDICATORCURRENT, strikeIndicator);
    m_area->SendScintilla(QsciScintilla::SCI_INDICATORFILLRANGE, 0UL, length);
}
