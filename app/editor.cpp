#include "editor.h"

#include "qtcompat.h"

#include <Qsci/qscicommand.h>
#include <Qsci/qscicommandset.h>
#include <Qsci/qscidocument.h>
#include <Qsci/qscilexerhtml.h>
#include <Qsci/qsciscintilla.h>

#include <QAccessibleWidget>
#include <QBuffer>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QFontDatabase>
#include <QIODevice>
#include <QMimeData>
#include <QVBoxLayout>

#include <cstring>
#include <functional>

namespace {
// The indicator that draws strikethrough, which Scintilla has no style for.
constexpr int strikeIndicator = 8;
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
    , m_lexer(new QsciLexerHTML(this))
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
    // QScintilla keeps a layout for every line of a wrapped document, and walks them all
    // on every edit; the lines on screen are enough.
    m_area->SendScintilla(QsciScintilla::SCI_SETLAYOUTCACHE, QsciScintilla::SC_CACHE_PAGE);
    m_area->setMarginWidth(1, 0);
    m_area->SendScintilla(QsciScintilla::SCI_SETPASTECONVERTENDINGS, 0UL);
    m_area->SendScintilla(QsciScintilla::SCI_INDICSETSTYLE, strikeIndicator,
                          long(QsciScintilla::INDIC_STRIKE));
    m_area->setLexer(m_lexer);

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
}

void Editor::putSelectedText(const QString &text)
{
    const QByteArray data = encode(text);
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
    const auto data = static_cast<const char *>(
        m_area->SendScintillaPtrResult(QsciScintilla::SCI_GETCHARACTERPOINTER));
    return decode(data + start, end - start);
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
    const QByteArray needle = encode(text);
    if (needle.isEmpty())
        return false;
    const long length = m_area->SendScintilla(QsciScintilla::SCI_GETLENGTH);
    const long from = m_area->SendScintilla(QsciScintilla::SCI_GETSELECTIONEND);
    m_area->SendScintilla(QsciScintilla::SCI_SETSEARCHFLAGS, flags);
    auto search = [&](long start, long end) {
        m_area->SendScintilla(QsciScintilla::SCI_SETTARGETRANGE, start, end);
        return m_area->SendScintilla(QsciScintilla::SCI_SEARCHINTARGET, needle.size(),
                                     needle.constData()) >= 0;
    };
    if (!search(from, length) && !search(0, length))
        return false;
    m_area->SendScintilla(QsciScintilla::SCI_SETSEL,
                          m_area->SendScintilla(QsciScintilla::SCI_GETTARGETSTART),
                          m_area->SendScintilla(QsciScintilla::SCI_GETTARGETEND));
    announceSelection();
    return true;
}

void Editor::deleteForward()
{
    m_area->SendScintilla(QsciScintilla::SCI_CLEAR);
    // Nothing after the caret to delete is no change at all.
    noticeSelection();
}

QByteArray Editor::bytes() const
{
    const auto data = static_cast<const char *>(
        m_area->SendScintillaPtrResult(QsciScintilla::SCI_GETCHARACTERPOINTER));
    return QByteArray(data, m_area->SendScintilla(QsciScintilla::SCI_GETLENGTH));
}

void Editor::setBytes(const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    load(buffer);
}

bool Editor::load(QIODevice &device)
{
    // The text goes into a new document, which replaces the current one only when the
    // whole device could be read. Wrapping waits until the end: with it on, every
    // appended line would be laid out at once.
    const QsciDocument previous = m_area->document();
    const long wrap = m_area->SendScintilla(QsciScintilla::SCI_GETWRAPMODE);
    m_loading = true;
    m_area->SendScintilla(QsciScintilla::SCI_SETWRAPMODE, 0UL);
    m_area->setDocument(QsciDocument());
    m_area->setLexer(m_lexer); // the colouring belongs to the document
    m_area->SendScintilla(QsciScintilla::SCI_SETUNDOCOLLECTION, 0UL);
    if (const qint64 size = device.size(); size > 0) {
        // Room to grow, so that the first edits need not copy the whole text.
        m_area->SendScintilla(QsciScintilla::SCI_ALLOCATE,
                              static_cast<unsigned long>(size + size / 8 + 4096));
    }
    Utf8Check utf8;
    QByteArray chunk(1 << 20, Qt::Uninitialized);
    qint64 read;
    while ((read = device.read(chunk.data(), chunk.size())) > 0) {
        utf8.add(chunk.constData(), read);
        m_area->SendScintilla(QsciScintilla::SCI_APPENDTEXT, static_cast<uintptr_t>(read),
                              chunk.constData());
    }
    const bool complete = read == 0;
    if (complete) {
        m_area->setUtf8(utf8.isValid());
        m_area->SendScintilla(QsciScintilla::SCI_SETUNDOCOLLECTION, 1UL);
    } else {
        m_area->setDocument(previous);
    }
    m_area->SendScintilla(QsciScintilla::SCI_SETWRAPMODE, wrap);
    keepStrikeOut();
    m_lastSelection = currentSelection();
    m_loading = false;
    return complete;
}

bool Editor::writeTo(QIODevice &device) const
{
    const auto data = static_cast<const char *>(
        m_area->SendScintillaPtrResult(QsciScintilla::SCI_GETCHARACTERPOINTER));
    const qint64 length = m_area->SendScintilla(QsciScintilla::SCI_GETLENGTH);
    return device.write(data, length) == length;
}

QString Editor::text() const
{
    const auto data = static_cast<const char *>(
        m_area->SendScintillaPtrResult(QsciScintilla::SCI_GETCHARACTERPOINTER));
    return decode(data, m_area->SendScintilla(QsciScintilla::SCI_GETLENGTH));
}

bool Editor::isUtf8() const
{
    return m_area->isUtf8();
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
}

QByteArray Editor::encode(const QString &text) const
{
    return isUtf8() ? text.toUtf8() : text.toLatin1();
}

QString Editor::decode(const char *data, long length) const
{
    return isUtf8() ? QString::fromUtf8(data, length) : QString::fromLatin1(data, length);
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

void Utf8Check::add(const char *data, qsizetype size)
{
    const auto *p = reinterpret_cast<const unsigned char *>(data);
    const auto *end = p + size;
    while (p < end && m_valid) {
        if (m_pending > 0) {
            if ((*p & 0xC0) != 0x80) {
                m_valid = false;
                break;
            }
            m_code = (m_code << 6) | (*p++ & 0x3F);
            if (--m_pending == 0) {
                static const unsigned int smallest[] = {0, 0x80, 0x800, 0x10000};
                m_valid = m_code >= smallest[m_length] && m_code <= 0x10FFFF
                          && (m_code < 0xD800 || m_code > 0xDFFF);
            }
            continue;
        }
        if (end - p >= 8) {
            quint64 chunk;
            std::memcpy(&chunk, p, sizeof chunk);
            if (!(chunk & 0x8080808080808080ULL)) {
                p += 8;
                continue;
            }
        }
        const unsigned char lead = *p++;
        if (lead < 0x80)
            continue;
        if ((lead & 0xE0) == 0xC0) {
            m_length = 1;
            m_code = lead & 0x1F;
        } else if ((lead & 0xF0) == 0xE0) {
            m_length = 2;
            m_code = lead & 0x0F;
        } else if ((lead & 0xF8) == 0xF0) {
            m_length = 3;
            m_code = lead & 0x07;
        } else {
            m_valid = false;
            break;
        }
        m_pending = m_length;
    }
}

bool Utf8Check::isValid() const
{
    return m_valid && m_pending == 0;
}

bool isValidUtf8(const char *data, qsizetype size)
{
    Utf8Check check;
    check.add(data, size);
    return check.isValid();
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
