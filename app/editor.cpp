#include "editor.h"

#include <Qsci/qscicommand.h>
#include <Qsci/qscicommandset.h>
#include <Qsci/qscilexerhtml.h>
#include <Qsci/qsciscintilla.h>

#include <QContextMenuEvent>
#include <QDropEvent>
#include <QFontDatabase>
#include <QIODevice>
#include <QMimeData>
#include <QVBoxLayout>

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
            rightButtonPressed(event->globalPosition().toPoint());
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

Editor::Editor(QWidget *parent)
    : QWidget(parent)
    , m_area(new TextArea(this))
    , m_lexer(new QsciLexerHTML(this))
{
    auto layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_area);
    setFocusProxy(m_area);

    m_area->setUtf8(true);
    m_area->setEolMode(QsciScintilla::EolUnix);
    m_area->setWrapMode(QsciScintilla::WrapWord);
    m_area->setMarginWidth(1, 0);
    m_area->SendScintilla(QsciScintilla::SCI_SETPASTECONVERTENDINGS, 0UL);
    m_area->SendScintilla(QsciScintilla::SCI_INDICSETSTYLE, strikeIndicator,
                          long(QsciScintilla::INDIC_STRIKE));
    m_area->setLexer(m_lexer);

    QFont font(QStringLiteral("Courier New"), 10);
    if (!QFontDatabase::families().contains(font.family())) {
        font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
        font.setPointSize(10);
    }
    setDisplayFont(font);

    m_area->inputHandled = [this] { noticeSelection(); };
    m_area->rightButtonPressed = [this](const QPoint &at) { emit rightButtonPressed(at); };
    m_area->fileDropped = [this](const QString &file) { emit fileDropped(file); };
    connect(m_area, &QsciScintilla::SCN_UPDATEUI, this, [this](int updated) {
        if (updated & QsciScintilla::SC_UPDATE_SELECTION)
            noticeSelection();
    });
    connect(m_area, &QsciScintilla::SCN_CHARADDED, this, [this] { emit characterTyped(); });
    connect(m_area, &QsciScintilla::SCN_MODIFIED, this,
            [this](int, int type, const char *, int, int, int, int, int, int, int) {
                const int edits = QsciScintilla::SC_MOD_INSERTTEXT
                                  | QsciScintilla::SC_MOD_DELETETEXT;
                if (m_loading || !(type & edits))
                    return;
                if (m_font.strikeOut())
                    coverWithStrikeOut();
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
    announceSelection();
}

QString Editor::selectedText() const
{
    const auto [start, end] = std::minmax(currentSelection().first, currentSelection().second);
    const auto data = static_cast<const char *>(
        m_area->SendScintillaPtrResult(QsciScintilla::SCI_GETCHARACTERPOINTER));
    return decode(data + start, end - start);
}

int Editor::selectionLength() const
{
    const auto [start, end] = std::minmax(currentSelection().first, currentSelection().second);
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
    announceSelection();
}

QByteArray Editor::bytes() const
{
    const auto data = static_cast<const char *>(
        m_area->SendScintillaPtrResult(QsciScintilla::SCI_GETCHARACTERPOINTER));
    return QByteArray(data, m_area->SendScintilla(QsciScintilla::SCI_GETLENGTH));
}

void Editor::setBytes(const QByteArray &bytes)
{
    m_loading = true;
    m_area->SendScintilla(QsciScintilla::SCI_SETUNDOCOLLECTION, 0UL);
    m_area->SendScintilla(QsciScintilla::SCI_CLEARALL);
    m_area->setUtf8(isValidUtf8(bytes.constData(), bytes.size()));
    m_area->SendScintilla(QsciScintilla::SCI_ALLOCATE, static_cast<unsigned long>(bytes.size() + 1));
    m_area->SendScintilla(QsciScintilla::SCI_ADDTEXT, bytes.size(), bytes.constData());
    m_area->SendScintilla(QsciScintilla::SCI_SETUNDOCOLLECTION, 1UL);
    m_area->SendScintilla(QsciScintilla::SCI_EMPTYUNDOBUFFER);
    m_area->SendScintilla(QsciScintilla::SCI_GOTOPOS, 0UL);
    if (m_font.strikeOut())
        coverWithStrikeOut();
    m_lastSelection = currentSelection();
    m_loading = false;
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
        coverWithStrikeOut();
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
        const int key = sequence[0].toCombined();
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

void Editor::coverWithStrikeOut()
{
    m_area->SendScintilla(QsciScintilla::SCI_SETINDICATORCURRENT, strikeIndicator);
    m_area->SendScintilla(QsciScintilla::SCI_INDICATORFILLRANGE, 0UL,
                          m_area->SendScintilla(QsciScintilla::SCI_GETLENGTH));
}

bool isValidUtf8(const char *data, qsizetype size)
{
    const auto *p = reinterpret_cast<const unsigned char *>(data);
    const auto *end = p + size;
    while (p < end) {
        if (*p < 0x80) {
            ++p;
            continue;
        }
        int trailing;
        unsigned int code;
        if ((*p & 0xE0) == 0xC0) {
            trailing = 1;
            code = *p & 0x1F;
        } else if ((*p & 0xF0) == 0xE0) {
            trailing = 2;
            code = *p & 0x0F;
        } else if ((*p & 0xF8) == 0xF0) {
            trailing = 3;
            code = *p & 0x07;
        } else {
            return false;
        }
        if (end - p <= trailing)
            return false;
        for (int i = 1; i <= trailing; ++i) {
            if ((p[i] & 0xC0) != 0x80)
                return false;
            code = (code << 6) | (p[i] & 0x3F);
        }
        static const unsigned int smallest[] = {0, 0x80, 0x800, 0x10000};
        if (code < smallest[trailing] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return false;
        p += trailing + 1;
    }
    return true;
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
