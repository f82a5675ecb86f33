#include "editor.h"

#include "htmllexer.h"
#include "qtcompat.h"

#include <Qsci/qscicommand.h>
#include <Qsci/qscicommandset.h>
#include <Qsci/qscidocument.h>
#include <Qsci/qsciscintilla.h>

#include <QAccessibleWidget>
#include <QColor>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QFontDatabase>
#include <QIODevice>
#include <QMimeData>
#include <QVBoxLayout>

#include <algorithm>
#include <functional>

namespace {
// The indicator that draws strikethrough, which Scintilla has no style for.
constexpr int strikeIndicator = 8;
// The indicator that marks a tag and its partner, as editors mark matching braces.
constexpr int tagIndicator = 9;
} // namespace

// QScintilla with the user's input reported back to the wrapper.
class TextArea : public QsciScintilla
{
public:
    using QsciScintilla::QsciScintilla;

    std::function<void()> inputHandled;
    std::function<void(const QPoint &)> rightButtonPressed;
    std::function<void(const QString &)> fileDropped;

protected:
    void mousePressEvent(QMouseEvent *event) override
    {
        if (event->button() == Qt::RightButton) {
            rightButtonPressed(QtCompat::globalPos(event));
            return;
        }
        QsciScintilla::mousePressEvent(event);
        inputHandled();
    }
    void mouseMoveEvent(QMouseEvent *event) override
    {
        QsciScintilla::mouseMoveEvent(event);
        if (event->buttons() != Qt::NoButton)
            inputHandled();
    }
    void mouseReleaseEvent(QMouseEvent *event) override
    {
        QsciScintilla::mouseReleaseEvent(event);
        inputHandled();
    }
    void keyPressEvent(QKeyEvent *event) override
    {
        QsciScintilla::keyPressEvent(event);
        inputHandled();
    }
    void contextMenuEvent(QContextMenuEvent *event) override { event->accept(); }
    void dropEvent(QDropEvent *event) override
    {
        const QString file = droppedFile(event->mimeData());
        if (file.isEmpty()) {
            QsciScintilla::dropEvent(event);
            return;
        }
        event->acceptProposedAction();
        fileDropped(file);
    }
};

namespace {
// QScintilla's own accessible text counts the characters from the start of the document
// on every caret move, which makes large documents crawl. Without an assistive tool
// listening, a plain editable-text interface serves; with one, QScintilla's is used.
QAccessibleInterface *plainAccessibleText(const QString &, QObject *object)
{
    auto area = dynamic_cast<TextArea *>(object);
    if (!area || QAccessible::isActive())
        return nullptr;
    return new QAccessibleWidget(area, QAccessible::EditableText);
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
    static const bool installed = (QAccessible::installFactory(plainAccessibleText), true);
    Q_UNUSED(installed)

    m_area->setUtf8(true);
    m_area->setEolMode(QsciScintilla::EolUnix);
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
    m_area->setLexer(m_lexer);
    // Laying out a line measures each run of one colour through Qt's text layout, unless
    // the run is short and in the cache of measured runs. The tags, attributes and words
    // of a page repeat; the default cache of 1024 runs is too small to hold them.
    m_area->SendScintilla(QsciScintilla::SCI_SETPOSITIONCACHE, 16384UL);

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
    connect(m_area, &QsciScintilla::SCN_UPDATEUI, this, [this](int updated) {
        if (updated & QsciScintilla::SC_UPDATE_SELECTION)
            noticeSelection();
        if (updated & QsciScintilla::SC_UPDATE_CONTENT)
            keepStrikeOut();
    });
    connect(m_area, &QsciScintilla::SCN_CHARADDED, this, [this] { emit characterTyped(); });
    // Only the "about to change" notifications: QScintilla answers the others with work
    // that grows with the document, which would make every edit of a large file slow.
    m_area->SendScintilla(QsciScintilla::SCI_SETMODEVENTMASK,
                          QsciScintilla::SC_MOD_BEFOREINSERT | QsciScintilla::SC_MOD_BEFOREDELETE);
    connect(m_area, &QsciScintilla::SCN_MODIFIED, this, [this] {
        if (!m_loading)
            emit textEdited();
    });
    connect(m_area, &QsciScintilla::modificationChanged, this,
            [this] { emit modifiedChanged(isModified()); });
}

void Editor::putSelectedText(const QString &text)
{
    const QByteArray data = text.toUtf8();
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

std::size_t Editor::Occurrences::pieceStart(std::size_t last) const
{
    // Text between two occurrences costs its length twice in the undo history, and each
    // replacement made by itself about a hundred and fifty bytes; a piece stays small, so
    // that no large block of memory is asked for.
    constexpr long joinedGap = 64;
    constexpr long pieceBytes = 64 * 1024;
    const long end = starts[last - 1] + length;
    std::size_t first = last - 1;
    while (first > 0 && starts[first] - (starts[first - 1] + length) <= joinedGap
           && end - starts[first - 1] <= pieceBytes)
        --first;
    return first;
}

long Editor::Occurrences::moved(long position) const
{
    const auto before = std::lower_bound(starts.begin(), starts.end(), position);
    const long count = long(before - starts.begin());
    const long grown = long(replacement.size()) - length;
    // Inside an occurrence: at the start of its replacement.
    if (count > 0 && position < *(before - 1) + length)
        return *(before - 1) + (count - 1) * grown;
    return position + count * grown;
}

void Editor::replacePiece(const Occurrences &occurrences, std::size_t first, std::size_t last)
{
    const long start = occurrences.starts[first];
    const long end = occurrences.starts[last - 1] + occurrences.length;
    const char *held = heldPointer(start, end);
    QByteArray piece;
    piece.reserve(int(end - start + (last - first) * occurrences.replacement.size()));
    long at = start;
    for (std::size_t i = first; i < last; ++i) {
        piece.append(held + (at - start), int(occurrences.starts[i] - at));
        piece.append(occurrences.replacement);
        at = occurrences.starts[i] + occurrences.length;
    }
    m_area->SendScintilla(QsciScintilla::SCI_SETTARGETRANGE, start, end);
    m_area->SendScintilla(QsciScintilla::SCI_REPLACETARGET, piece.size(), piece.constData());
}

void Editor::deleteForward()
{
    m_area->SendScintilla(QsciScintilla::SCI_CLEAR);
    // Nothing after the caret to delete is no change at all.
    noticeSelection();
}

QByteArray Editor::bytes() const
{
    if (m_encoding == Encoding::Windows1252)
        return toWindows1252(heldText(), heldLength());
    return contents();
}

bool Editor::writeTo(QIODevice &device) const
{
    if (m_encoding == Encoding::Windows1252) {
        const QByteArray data = bytes();
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
    keepStrikeOut();
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
}

TextPosition Editor::caretPosition() const
{
    // Line lookups are cheap; only the characters of the caret's own line are counted.
    const long position = caretOffset();
    const long line = m_area->SendScintilla(QsciScintilla::SCI_LINEFROMPOSITION, position);
    const long lineStart = m_area->SendScintilla(QsciScintilla::SCI_POSITIONFROMLINE, line);
    const long column
        = m_area->SendScintilla(QsciScintilla::SCI_COUNTCHARACTERS, lineStart, position);
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
    std::vector<TextRange> ranges;
    const long length = m_area->SendScintilla(QsciScintilla::SCI_GETLENGTH);
    long position = 0;
    while (position < length) {
        const long end
            = m_area->SendScintilla(QsciScintilla::SCI_INDICATOREND, tagIndicator, position);
        if (m_area->SendScintilla(QsciScintilla::SCI_INDICATORVALUEAT, tagIndicator, position))
            ranges.push_back({position, end});
        if (end <= position)
            break;
        position = end;
    }
    return ranges;
}

QFont Editor::displayFont() const
{
    return m_font;
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
    if (m_loading || currentSelection() == m_lastSelection)
        return;
    announceSelection();
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

QString droppedFile(const QMimeData *data)
{
    if (!data || !data->hasUrls())
        return {};
    for (const QUrl &url : data->urls()) {
        if (url.isLocalFile())
            return url.toLocalFile();
    }
    return {};
}

DocumentLoader::DocumentLoader()
    : m_holder(std::make_unique<QsciScintilla>())
{
    m_holder->setUtf8(true);
    m_holder->setEolMode(QsciScintilla::EolUnix);
    // The colouring is the editor's own (HtmlLexer), asked for by what it shows and lays
    // out; the document needs nothing set up for it.
    m_holder->SendScintilla(QsciScintilla::SCI_SETMODEVENTMASK, 0UL);
    m_holder->SendScintilla(QsciScintilla::SCI_SETUNDOCOLLECTION, 0UL);
}

DocumentLoader::~DocumentLoader() = default;

void DocumentLoader::reserve(qint64 size)
{
    m_expected = size; // the room is made with the first chunk
}

void DocumentLoader::add(const char *data, qsizetype size)
{
    if (m_read == 0)
        makeRoom(data, size);
    m_read += size;
    append(data, size);
    if (m_spareBreak) {
        m_holder->SendScintilla(QsciScintilla::SCI_DELETERANGE, 0UL, 1L);
        m_spareBreak = false;
    }
}

// Room to grow, so that typing need not copy the whole text. The room is held twice, for
// the text and for its colours, so a little has to do. The line index grows by a sixth at
// a time, each time into a copy beside the old one (7 MB twice for a 100 MB page), so it
// gets its room before the text does: lines made and taken away again leave room for as
// many as the first chunk promises. One break stays until the chunk is in, as taking away
// the whole text starts the index afresh.
void DocumentLoader::makeRoom(const char *data, qsizetype size)
{
    if (m_expected <= 0)
        return;
    const qint64 newlines = std::count(data, data + size, '\n');
    if (newlines > 0 && m_expected >= 4 * qint64(size)) {
        const qint64 lines = std::min(m_expected, newlines * (m_expected / size + 1) * 9 / 8);
        const QByteArray breaks(lines, '\n');
        m_holder->SendScintilla(QsciScintilla::SCI_APPENDTEXT, static_cast<uintptr_t>(lines),
                                breaks.constData());
        m_holder->SendScintilla(QsciScintilla::SCI_DELETERANGE, 0UL, static_cast<long>(lines - 1));
        m_spareBreak = true;
    }
    m_holder->SendScintilla(QsciScintilla::SCI_ALLOCATE,
                            static_cast<unsigned long>(m_expected + (1 << 16)));
}

void DocumentLoader::append(const char *data, qsizetype size)
{
    if (m_encoding == Encoding::Utf8) {
        const bool heldAscii = m_utf8.isAscii();
        m_utf8.add(data, size);
        if (!m_utf8.hasFailed()) {
            m_holder->SendScintilla(QsciScintilla::SCI_APPENDTEXT, static_cast<uintptr_t>(size),
                                    data);
            return;
        }
        holdAsWindows1252(heldAscii);
    }
    QByteArray text;
    appendFromWindows1252(text, data, size);
    m_holder->SendScintilla(QsciScintilla::SCI_APPENDTEXT,
                            static_cast<uintptr_t>(text.size()), text.constData());
}

void DocumentLoader::holdAsWindows1252(bool heldAscii)
{
    m_encoding = Encoding::Windows1252;
    if (heldAscii)
        return; // plain ASCII reads the same either way
    const auto held = static_cast<const char *>(
        m_holder->SendScintillaPtrResult(QsciScintilla::SCI_GETCHARACTERPOINTER));
    QByteArray text;
    appendFromWindows1252(text, held, m_holder->SendScintilla(QsciScintilla::SCI_GETLENGTH));
    m_holder->SendScintilla(QsciScintilla::SCI_CLEARALL);
    m_holder->SendScintilla(QsciScintilla::SCI_APPENDTEXT,
                            static_cast<uintptr_t>(text.size()), text.constData());
}

Encoding DocumentLoader::finish()
{
    if (m_encoding == Encoding::Utf8 && !m_utf8.isValid())
        holdAsWindows1252(false); // the file ends inside a character
    m_holder->SendScintilla(QsciScintilla::SCI_SETUNDOCOLLECTION, 1UL);
    m_holder->SendScintilla(QsciScintilla::SCI_EMPTYUNDOBUFFER);
    m_holder->SendScintilla(QsciScintilla::SCI_SETSAVEPOINT);
    return m_encoding;
}
