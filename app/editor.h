#pragma once

#include <QByteArray>
#include <QFont>
#include <QKeySequence>
#include <QList>
#include <QWidget>

#include <utility>

class QIODevice;
class QMimeData;
class HtmlLexer;
class TextArea;

// The document editor (RichText1): the only class that talks to QScintilla. It holds
// the document's bytes unchanged and offers the few operations the program uses.
class Editor : public QWidget
{
    Q_OBJECT

public:
    enum FindFlag { WholeWord = 2, MatchCase = 4 };

    explicit Editor(QWidget *parent = nullptr);

    // Replaces the selection (or inserts at the caret) as one undo step; the caret
    // ends behind the text with nothing selected.
    void putSelectedText(const QString &text);
    QString selectedText() const;
    int selectionLength() const;
    void selectAll();
    // Searches forward from the end of the selection, wrapping round once; a found
    // occurrence becomes the selection.
    bool find(const QString &text, int flags);
    void deleteForward(); // the selection, or the character after the caret

    QByteArray bytes() const;
    // A new document with no undo history. load() reads the device to its end and
    // keeps the current document when it cannot.
    void setBytes(const QByteArray &bytes);
    bool load(QIODevice &device);
    bool writeTo(QIODevice &device) const;
    QString text() const;
    bool isUtf8() const;

    void setDisplayFont(const QFont &font);
    QFont displayFont() const;

    // Gives up the editor's own bindings of these keys, so the window's shortcuts win.
    void releaseKeys(const QList<QKeySequence> &keys);
    QWidget *textArea() const;

signals:
    void characterTyped();
    void selectionChanged();
    void textEdited();
    void rightButtonPressed(const QPoint &globalPos);
    // A file from the file manager was dropped on the text; dropped text goes in as usual.
    void fileDropped(const QString &path);

private:
    using Selection = std::pair<long, long>;

    Selection currentSelection() const;
    void noticeSelection();
    void announceSelection();
    QByteArray encode(const QString &text) const;
    QString decode(const char *data, long length) const;
    // Strikethrough is an indicator, so text added later must be covered again.
    void keepStrikeOut();

    TextArea *m_area;
    HtmlLexer *m_lexer;
    QFont m_font;
    Selection m_lastSelection{0, 0};
    bool m_loading = false;
};

// Tells whether bytes handed over piece by piece are valid UTF-8.
class Utf8Check
{
public:
    void add(const char *data, qsizetype size);
    bool isValid() const;

private:
    bool m_valid = true;
    int m_pending = 0; // continuation bytes still expected
    int m_length = 0;
    unsigned int m_code = 0;
};

bool isValidUtf8(const char *data, qsizetype size);
// The first local file among dragged data; empty when it brings none.
QString droppedFile(const QMimeData *data);
