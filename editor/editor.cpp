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
// The margin of the folding boxes, and its least width in pixels.
constexpr int foldMargin = 2;
constexpr int foldMarginWidth = 14;
// The wavy underline of misspelt words.
constexpr int spellingIndicator = 11;
// How far past the screen's last point a word on screen may go on.
constexpr long wordTail = 256;

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
    m_area->SendScintilla(QsciScintilla::SCI_INDICSETSTYLE, HtmlLexer::markIndicator,
                          long(QsciScintilla::INDIC_HIDDEN));
    m_area->SendScintilla(QsciScintilla::SCI_INDICSETSTYLE, spellingIndicator,
                          long(QsciScintilla::INDIC_SQUIGGLE));
    m_area->SendScintilla(QsciScintilla::SCI_INDICSETFORE, spellingIndicator, QColor(Qt::red));
    m_area->setLexer(m_lexer);
    setUpFolding();
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
        noticeFolds();
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
        fitFoldMargin();
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

void Editor::setUpFolding()
{
    using Sci = QsciScintilla;
    // Boxes with + and - joined by lines, as most editors draw them.
    const std::pair<int, int> markers[] = {
        {Sci::SC_MARKNUM_FOLDEROPEN, Sci::SC_MARK_BOXMINUS},
        {Sci::SC_MARKNUM_FOLDER, Sci::SC_MARK_BOXPLUS},
        {Sci::SC_MARKNUM_FOLDERSUB, Sci::SC_MARK_VLINE},
        {Sci::SC_MARKNUM_FOLDERTAIL, Sci::SC_MARK_LCORNER},
        {Sci::SC_MARKNUM_FOLDEREND, Sci::SC_MARK_BOXPLUSCONNECTED},
        {Sci::SC_MARKNUM_FOLDEROPENMID, Sci::SC_MARK_BOXMINUSCONNECTED},
        {Sci::SC_MARKNUM_FOLDERMIDTAIL, Sci::SC_MARK_TCORNER}};
    for (const auto &[number, symbol] : markers) {
        m_area->SendScintilla(Sci::SCI_MARKERDEFINE, number, long(symbol));
        m_area->SendScintilla(Sci::SCI_MARKERSETFORE, number, QColor(Qt::white));
        m_area->SendScintilla(Sci::SCI_MARKERSETBACK, number, QColor(0x80, 0x80, 0x80));
    }
    m_area->SendScintilla(Sci::SCI_SETMARGINTYPEN, foldMargin, long(Sci::SC_MARGIN_SYMBOL));
    m_area->SendScintilla(Sci::SCI_SETMARGINMASKN, foldMargin, long(Sci::SC_MASK_FOLDERS));
    m_area->SendScintilla(Sci::SCI_SETMARGINSENSITIVEN, foldMargin, 1L);
    m_area->SendScintilla(Sci::SCI_SETFOLDFLAGS, long(Sci::SC_FOLDFLAG_LINEAFTER_CONTRACTED));
    // Scintilla folds on a click in the margin, and shows the hidden lines an edit reaches.
    // What a changed level leaves hidden the colouring shows, as it sets the level: Scintilla
    // would look for the fold's lines then, and ask for colours while they are made.
    m_area->SendScintilla(Sci::SCI_SETAUTOMATICFOLD,
                          long(Sci::SC_AUTOMATICFOLD_SHOW | Sci::SC_AUTOMATICFOLD_CLICK));
    setFolding(true);
}

void Editor::showLines(long from, long to)
{
    const long last = m_area->SendScintilla(QsciScintilla::SCI_LINEFROMPOSITION, to);
    for (long line = m_area->SendScintilla(QsciScintilla::SCI_LINEFROMPOSITION, from);
         line <= last; ++line)
        m_area->SendScintilla(QsciScintilla::SCI_ENSUREVISIBLE, line);
}

void Editor::setFolding(bool on)
{
    m_folding = on;
    if (!on && m_area->SendScintilla(QsciScintilla::SCI_GETALLLINESVISIBLE) == 0)
        unfoldAll();
    fitFoldMargin();
}

void Editor::fitFoldMargin()
{
    // Its boxes are as large as the margin is wide: it grows with the lines' height.
    const long height = m_area->SendScintilla(QsciScintilla::SCI_TEXTHEIGHT, 0UL);
    const long width = m_folding ? std::max<long>(foldMarginWidth, height * 3 / 4) : 0L;
    m_area->SendScintilla(QsciScintilla::SCI_SETMARGINWIDTHN, foldMargin, width);
}

bool Editor::folding() const
{
    return m_folding;
}

void Editor::foldAll()
{
    using Sci = QsciScintilla;
    if (!m_folding)
        return;
    // The outermost folds, after colouring has set every line's level; then those inside,
    // so that opening one shows the next level only.
    m_area->SendScintilla(Sci::SCI_FOLDALL, long(Sci::SC_FOLDACTION_CONTRACT));
    const long lines = lineCount();
    for (long line = 0; line < lines; ++line) {
        if (m_area->SendScintilla(Sci::SCI_GETFOLDLEVEL, line) & Sci::SC_FOLDLEVELHEADERFLAG)
            m_area->SendScintilla(Sci::SCI_SETFOLDEXPANDED, line, 0L);
    }
    noticeFolds();
}

void Editor::unfoldAll()
{
    m_area->SendScintilla(QsciScintilla::SCI_FOLDALL, long(QsciScintilla::SC_FOLDACTION_EXPAND));
    noticeFolds();
}

void Editor::noticeFolds()
{
    // Every fold opened or closed changes how many lines there are to show, and so does
    // little else that the view has not told of already.
    const long shown = m_area->SendScintilla(QsciScintilla::SCI_VISIBLEFROMDOCLINE, lineCount());
    if (std::exchange(m_linesToShow, shown) != shown)
        emit viewMoved();
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
    Needle needle(text, flags, m_encoding);
    m_searchFailure = needle.failure;
    if (needle.text.isEmpty() || !needle.failure.isEmpty())
        return false;
    const long length = heldLength();
    const long from = m_area->SendScintilla(QsciScintilla::SCI_GETSELECTIONEND);
    // An empty match at the caret, as the last Find may have left it, is not found again.
    const bool caret = m_area->SendScintilla(QsciScintilla::SCI_GETSELECTIONSTART) == from;
    std::optional<TextRange> found
        = searchIn(needle, from, length, caret ? Start::NotEmptyAtFrom : Start::Anywhere);
    if (!found && needle.failure.isEmpty())
        found = searchIn(needle, 0, length);
    m_searchFailure = needle.failure;
    if (!found)
        return false;
    showLines(found->start, found->end);
    m_area->SendScintilla(QsciScintilla::SCI_SETSEL, found->start, found->end);
    announceSelection();
    return true;
}

std::optional<QString> Editor::selectionReplacement(const QString &text,
                                                    const QString &replacement, int flags)
{
    const QByteArray written = replacement.toUtf8();
    Needle needle(text, flags, m_encoding, written);
    m_searchFailure = needle.failure;
    const long start = m_area->SendScintilla(QsciScintilla::SCI_GETSELECTIONSTART);
    const long end = m_area->SendScintilla(QsciScintilla::SCI_GETSELECTIONEND);
    if (needle.text.isEmpty() || !needle.failure.isEmpty() || start == end)
        return {};
    const std::optional<TextRange> found = searchIn(needle, start, end, Start::OnlyAtFrom);
    m_searchFailure = needle.failure;
    if (!found || !(*found == TextRange{start, end}))
        return {};
    if (!needle.pattern)
        return replacement;
    return QString::fromUtf8(needle.pattern->replacement(written, heldText()));
}

std::optional<int> Editor::replaceAll(const QString &text, const QString &replacement,
                                      int flags, const Progress &progress)
{
    const QByteArray written = replacement.toUtf8();
    Needle needle(text, flags, m_encoding, written);
    m_searchFailure = needle.failure;
    if (!needle.failure.isEmpty())
        return {};
    if (needle.text.isEmpty())
        return 0;
    // Finding and replacing each count the text's length as work.
    const long length = heldLength();
    bool stopped = false;
    std::function<bool(qint64)> keepGoing;
    if (progress) {
        keepGoing = [&](qint64 done) {
            stopped = stopped || !progress(done, 2 * qint64(length));
            return !stopped;
        };
    }
    // The occurrences in the text as it stands, so that a replacement holding the text is
    // not replaced again. After an empty match the next starts a character on, or is not
    // empty.
    Occurrences occurrences(needle.pattern ? QByteArray() : written);
    for (std::optional<TextRange> found = searchIn(needle, 0, length, Start::Anywhere, keepGoing);
         found && !stopped;
         found = searchIn(needle, found->end, length,
                          found->start == found->end ? Start::NotEmptyAtFrom : Start::Anywhere,
                          keepGoing)) {
        if (needle.pattern)
            occurrences.add(found->start, found->end,
                            needle.pattern->replacement(written, heldText()));
        else
            occurrences.add(found->start, found->end);
        if (keepGoing)
            keepGoing(found->end);
    }
    m_searchFailure = needle.failure;
    if (stopped || !needle.failure.isEmpty())
        return {};
    if (occurrences.empty())
        return 0;

    const auto [anchor, caret] = currentSelection();
    const long topLine = m_area->SendScintilla(
        QsciScintilla::SCI_DOCLINEFROMVISIBLE,
        m_area->SendScintilla(QsciScintilla::SCI_GETFIRSTVISIBLELINE));
    const long topStart = m_area->SendScintilla(QsciScintilla::SCI_POSITIONFROMLINE, topLine);
    m_area->SendScintilla(QsciScintilla::SCI_BEGINUNDOACTION);
    // From the last piece to the first, so that the places found stay true.
    for (std::size_t last = occurrences.size(); last > 0 && !stopped;) {
        const std::size_t first = occurrences.pieceStart(last);
        replacePiece(occurrences, first, last);
        last = first;
        if (keepGoing)
            keepGoing(2 * qint64(length) - occurrences.start(first));
    }
    m_area->SendScintilla(QsciScintilla::SCI_ENDUNDOACTION);
    // Stopped halfway, the text goes back as it was, and the view with it.
    if (stopped)
        m_area->SendScintilla(QsciScintilla::SCI_UNDO);
    const auto moved = [&](long position) {
        return stopped ? position : occurrences.moved(position);
    };
    // Not SCI_SETSEL, which would scroll to a caret the user has scrolled away from.
    m_area->SendScintilla(QsciScintilla::SCI_SETANCHOR, moved(anchor));
    m_area->SendScintilla(QsciScintilla::SCI_SETCURRENTPOS, moved(caret));
    m_area->SendScintilla(
        QsciScintilla::SCI_SETFIRSTVISIBLELINE,
        m_area->SendScintilla(
            QsciScintilla::SCI_VISIBLEFROMDOCLINE,
            m_area->SendScintilla(QsciScintilla::SCI_LINEFROMPOSITION, moved(topStart))));
    keepStrikeOut();
    noticeSelection();
    if (stopped)
        return {};
    return int(occurrences.size());
}

void Editor::replacePiece(const Occurrences &occurrences, std::size_t first, std::size_t last)
{
    const long start = occurrences.start(first);
    const long end = occurrences.end(last - 1);
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
    // Before the editor shows it: laying out its first lines already asks for colours.
    m_lexer->newDocument();
    m_area->setDocument(loader.m_holder->document());
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
    fitFoldMargin();
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
    m_area->SendScintilla(QsciScintilla::SCI_ENSUREVISIBLE, line);
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

std::vector<TextRange> Editor::shownRanges() const
{
    using Sci = QsciScintilla;
    const long firstShown = send(Sci::SCI_GETFIRSTVISIBLELINE);
    const long lastShown = firstShown + send(Sci::SCI_LINESONSCREEN);
    std::vector<TextRange> ranges;
    long runLast = -2; // the last line of the run of lines shown one after the other
    for (long display = firstShown; display <= lastShown; ++display) {
        const long line = send(Sci::SCI_DOCLINEFROMVISIBLE, display);
        if (line > runLast + 1)
            ranges.push_back({send(Sci::SCI_POSITIONFROMLINE, line), 0});
        runLast = line;
        ranges.back().end = send(Sci::SCI_GETLINEENDPOSITION, line);
    }
    // A long wrapped line shows a part of itself: from the screen's first point to its last,
    // and no more than a screenful of its narrowest character while it is not laid out yet.
    // A range cut short goes on to a blank or a tag's bracket, so that no word is cut there.
    const QWidget *view = m_area->viewport();
    const long top = send(Sci::SCI_POSITIONFROMPOINT, 0, 0);
    const long bottom = send(Sci::SCI_POSITIONFROMPOINT, view->width(), view->height());
    const long narrowest
        = std::max(1L, long(m_area->SendScintilla(Sci::SCI_TEXTWIDTH, Sci::STYLE_DEFAULT, "i")));
    long screenful = (lastShown - firstShown + 2) * (view->width() / narrowest + 1) * 4;
    for (TextRange &range : ranges) {
        const long lineEnd = range.end;
        range.start = std::clamp(top, range.start, range.end);
        range.end = std::min({range.end, std::max(bottom, range.start), range.start + screenful});
        screenful -= range.end - range.start;
        if (range.end < lineEnd) {
            const QByteArray after = heldRange(range.end, std::min(lineEnd, range.end + wordTail));
            range.end += long(std::find_if(after.begin(), after.end(), [](char c) {
                                  return c == ' ' || c == '\t' || c == '<' || c == '>';
                              })
                              - after.begin());
        }
    }
    return ranges;
}

long Editor::send(unsigned int message, unsigned long wParam, long lParam) const
{
    return long(m_area->SendScintilla(message, wParam, lParam));
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
    // Only the marks that change are cleared or set: each change draws its text again, and
    // a check after every pause in typing mostly finds the screen's marks as they were.
    to = std::min(to, heldLength());
    send(QsciScintilla::SCI_SETINDICATORCURRENT, spellingIndicator);
    const auto holds = [](const std::vector<TextRange> &ranges, long start, long end) {
        return std::any_of(ranges.begin(), ranges.end(), [start, end](const TextRange &range) {
            return range.start == start && range.end == end;
        });
    };
    std::vector<TextRange> kept;
    for (long at = from; at < to;) {
        const long end
            = std::min(send(QsciScintilla::SCI_INDICATOREND, spellingIndicator, at), to);
        if (end <= at)
            break;
        if (send(QsciScintilla::SCI_INDICATORVALUEAT, spellingIndicator, at) != 0) {
            const long start = send(QsciScintilla::SCI_INDICATORSTART, spellingIndicator, at);
            if (holds(words, start, end))
                kept.push_back({start, end});
            else
                send(QsciScintilla::SCI_INDICATORCLEARRANGE, at, end - at);
        }
        at = end;
    }
    for (const TextRange &word : words) {
        if (!holds(kept, word.start, word.end))
            send(QsciScintilla::SCI_INDICATORFILLRANGE, word.start, word.end - word.start);
    }
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

Editor::Needle::Needle(const QString &text, int flags, Encoding encoding,
                       const QByteArray &replacement)
    : text(text.toUtf8())
    , flags(flags)
    , bytes(this->text, flags & MatchCase)
{
    if (!(flags & RegularExpression) || this->text.isEmpty())
        return;
    // The held text of a Windows-1252 page is UTF-8 as well, and the pattern runs on it as it
    // would on the page's bytes; only a character the page cannot hold has no place there.
    const qsizetype outside = encoding == Encoding::Windows1252
        ? firstOutsideWindows1252(this->text.constData(), this->text.size())
        : -1;
    if (outside >= 0) {
        QString character = QString::fromUtf8(this->text.mid(outside));
        character.truncate(character.at(0).isHighSurrogate() ? 2 : 1);
        failure = QStringLiteral("The regular expression holds \"%1\", which a Windows-1252 "
                                 "page cannot hold.")
                      .arg(character);
        return;
    }
    pattern = std::make_unique<PatternSearch>(text, flags & MatchCase);
    failure = pattern->failure();
    if (failure.isEmpty())
        failure = pattern->replacementFailure(replacement);
}

std::optional<TextRange> Editor::searchIn(Needle &needle, long from, long to, Start start,
                                          const std::function<bool(qint64)> &keepGoing) const
{
    if (needle.pattern)
        return searchPattern(needle, from, start, keepGoing);
    if (to <= from)
        return {};
    const char *text = heldPointer(from, to);
    for (long at = from;;) {
        const qint64 found = needle.bytes.in(text + (at - from), to - at);
        if (found < 0)
            return {};
        const TextRange match{at + long(found), at + long(found) + long(needle.bytes.size())};
        if (!(needle.flags & WholeWord) || isWholeWord(match))
            return match;
        at = match.start + 1;
    }
}

std::optional<TextRange> Editor::searchPattern(Needle &needle, long from, Start start,
                                               const std::function<bool(qint64)> &keepGoing) const
{
    PatternSearch &pattern = *needle.pattern;
    // Lookbehind and "^" see the text before `from`.
    const char *text = heldText();
    const long length = heldLength();
    for (long at = from;;) {
        switch (pattern.find(text, length, at, start, keepGoing)) {
        case PatternSearch::Outcome::Found:
            break;
        case PatternSearch::Outcome::Failed:
            needle.failure = pattern.failure();
            return {};
        case PatternSearch::Outcome::NotFound:
        case PatternSearch::Outcome::Stopped:
            return {};
        }
        const TextRange match{long(pattern.matchStart()), long(pattern.matchEnd())};
        if (!(needle.flags & WholeWord) || isWholeWord(match))
            return match;
        if (start == Start::OnlyAtFrom || match.start >= length)
            return {};
        at = long(PatternSearch::nextCharacter(text, length, match.start));
        start = Start::Anywhere;
    }
}

bool Editor::isWholeWord(const TextRange &range) const
{
    // Scintilla judges word bounds as everywhere else in the editor.
    return m_area->SendScintilla(QsciScintilla::SCI_ISRANGEWORD, range.start, range.end) != 0;
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
