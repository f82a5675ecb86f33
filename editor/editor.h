#pragma once

#include "textrange.h"

#include "document/bytesearch.h"
#include "document/encoding.h"
#include "document/patternsearch.h"

#include <QAccessible>
#include <QByteArray>
#include <QFont>
#include <QKeySequence>
#include <QList>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

class Completion;
class DocumentLoader;
class HtmlLexer;
class QIODevice;
class Occurrences;
class TextArea;

// The document editor (RichText1): with its parts (TextArea, the colouring in HtmlLexer
// and the DocumentLoader that builds its next document), the only code that talks to
// QScintilla. It holds the document's bytes unchanged and offers the few operations the
// program uses, completion's included.
class Editor : public QWidget, private QAccessible::ActivationObserver
{
    Q_OBJECT

public:
    // Scintilla's own values.
    enum FindFlag { WholeWord = 2, MatchCase = 4, RegularExpression = 0x00200000 };
    // How far Replace All has come, in bytes of work of the total; false stops it.
    using Progress = std::function<bool(qint64 done, qint64 total)>;

    explicit Editor(QWidget *parent = nullptr);
    ~Editor() override;

    // How the line breaks of a text put in are written: as given (the user's own text), or
    // each (CR LF, LF or CR) as the page's line end (the program's).
    enum class LineBreaks { AsGiven, PagesOwn };
    // Replaces the selection (or inserts at the caret) as one undo step; the caret
    // ends behind the text with nothing selected.
    void putSelectedText(const QString &text, LineBreaks breaks = LineBreaks::AsGiven);
    QString selectedText() const;
    int selectionLength() const;
    void selectAll();
    // Searches forward from the end of the selection, wrapping round once; a found
    // occurrence becomes the selection. A regular expression's empty match is found too;
    // from it, as from the caret, the next Find goes on to another.
    bool find(const QString &text, int flags);
    // When the selection is an occurrence under these find flags, what takes its place:
    // the replacement, with a regular expression's groups put in.
    std::optional<QString> selectionReplacement(const QString &text, const QString &replacement,
                                                int flags);
    // Replaces every occurrence as one undo step; gives their number, or nothing when the
    // progress stopped it or the search failed, and then nothing is changed.
    std::optional<int> replaceAll(const QString &text, const QString &replacement, int flags,
                                  const Progress &progress = {});
    // Why the last find, selectionReplacement or replaceAll could not search (a regular
    // expression that is not valid, ...), for the user; empty when it could.
    QString searchFailure() const { return m_searchFailure; }
    void deleteForward(); // the selection, or the character after the caret

    // The document as its file holds it: what Save writes. A character a Windows-1252 page
    // cannot hold is escaped as its place in the page understands, or as JavaScript does
    // throughout a file named *.js.
    QByteArray bytes(const QString &fileName = {}) const;
    bool writeTo(QIODevice &device, const QString &fileName) const;
    // A new document with no undo history, from a file's bytes.
    void setBytes(const QByteArray &bytes);
    void adopt(DocumentLoader &loader);
    // The text as the editor holds it (UTF-8), and a new document from such text.
    QByteArray contents() const;
    // The same into memory the caller keeps for it: a large text copies into memory in use
    // several times faster than into fresh memory.
    void copyContents(QByteArray &buffer) const;
    long contentsLength() const { return heldLength(); } // in bytes, without copying
    void setContents(const QByteArray &text, Encoding encoding);
    Encoding encoding() const { return m_encoding; }
    QString text() const;
    // The page's own line end, the first in it (CR LF, LF or CR), which Enter writes; the
    // system's while the page has none.
    QByteArray lineEnd() const;
    void setSystemLineEnd(const QByteArray &lineEnd);

    // Edits since the last load or save point (QScintilla's save point); text put in with
    // markUnsaved() counts as edited until the next save point, even after undoing.
    bool isModified() const;
    void setSavePoint();
    void markUnsaved();

    TextPosition caretPosition() const;
    int lineCount() const;
    // Puts the caret there, nothing selected, and scrolls it into view; a column past
    // the end of its line stands for the line's end.
    void setCaret(const TextPosition &position);
    long caretOffset() const;
    long textLength() const { return heldLength(); }
    // The held text between two editor positions, cut to the document.
    QByteArray heldRange(long from, long to) const;

    // The matching tags shown around the caret; an empty list shows none.
    void markTags(const std::vector<TextRange> &ranges);
    std::vector<TextRange> tagMarks() const;

    // The held text on screen: a range for each run of lines shown one after the other (a
    // fold hides lines between runs), cut to the screen where a wrapped line goes beyond it.
    std::vector<TextRange> shownRanges() const;
    // The held text at a point of the screen; -1 off the text.
    long positionAt(const QPoint &globalPos) const;
    // Selects [from, to) and scrolls it into view.
    void select(long from, long to);
    // The misspelt words within [from, to): the wavy underline there marks those alone.
    void markMisspelt(long from, long to, const std::vector<TextRange> &words);
    // The marked misspelt word at the position; an empty range off one.
    TextRange misspeltAt(long position) const;
    std::vector<TextRange> misspeltMarks() const;
    // Where the position is shown on the screen.
    QPoint pointOf(long position) const;

    void setDisplayFont(const QFont &font);
    QFont displayFont() const;

    // The margin of line numbers, as wide as the last line's number needs in the display
    // font and the zoom; off at start.
    void setLineNumbers(bool on);
    bool lineNumbers() const { return m_lineNumbers; }
    // Every font of the editor, the margins' too, shown this many points larger than it is
    // (smaller below 0); the display font itself stays as chosen.
    static constexpr int minimumZoom = -10;
    static constexpr int maximumZoom = 20;
    int zoom() const;
    void setZoom(int level); // held within the least and the greatest zoom
    void zoomIn();
    void zoomOut();

    // Completion of what is typed, and the end tag written for "</"; on at start.
    void setAutoCompletion(bool on);
    bool autoCompletion() const;
    // What completion writes: the held text of [from, to) replaced as one undo step, as
    // typing replaces it, with the caret put at caret afterwards.
    void replaceRange(long from, long to, const QByteArray &text, long caret);
    // The held byte at the position; 0 outside the text.
    char heldByte(long position) const;
    // The list of words completion offers for the word before the caret, of which
    // typedLength bytes are typed; choosing one tells wordListChosen.
    void showWordList(long typedLength, const QStringList &items);
    bool wordListShown() const;
    void closeWordList();

    // The fold margin, whose boxes fold and unfold the elements that span lines; on at
    // start. Off, every line is shown.
    void setFolding(bool on);
    bool folding() const;
    // Folds every element that folds, or shows all lines again.
    void foldAll();
    void unfoldAll();

    // Gives up the editor's own bindings of these keys, so the window's shortcuts win.
    void releaseKeys(const QList<QKeySequence> &keys);
    QWidget *textArea() const;

signals:
    void characterTyped(int character);
    // The user chose an item of the word list for the word that starts at wordStart.
    void wordListChosen(const QString &item, long wordStart);
    // A character of the listed word was deleted, and the list stays open.
    void wordListCharacterDeleted();
    void selectionChanged();
    // The caret stands somewhere else, also in a newly loaded document.
    void caretMoved();
    void textEdited();
    // Other text came on screen: scrolled, resized, wrapped anew, folded or unfolded.
    void viewMoved();
    void modifiedChanged(bool modified);
    // By the View menu's items or by Ctrl with the mouse wheel.
    void zoomChanged(int level);
    void rightButtonPressed(const QPoint &globalPos);
    // A file from the file manager was dropped on the text; dropped text goes in as usual.
    void fileDropped(const QString &path);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    using Selection = std::pair<long, long>;

    // An assistive tool started or stopped listening.
    void accessibilityActiveChanged(bool active) override;
    void setUpFolding();
    void fitFoldMargin();
    // Opens the folds that hide the lines of [from, to].
    void showLines(long from, long to);

    // What Find looks for: bytes, or a regular expression run on the held text whatever the
    // page's encoding. Scintilla's own search steps through the text a character at a time;
    // the text is searched here, and Scintilla only judges word bounds.
    struct Needle
    {
        // The replacement is checked against the regular expression's groups.
        Needle(const QString &text, int flags, Encoding encoding,
               const QByteArray &replacement = {});
        QByteArray text;
        int flags;
        ByteSearch bytes;
        std::unique_ptr<PatternSearch> pattern;
        QString failure; // why it cannot be searched for, or why a search failed
    };
    using Start = PatternSearch::Start;

    Selection currentSelection() const;
    // Replaces occurrences [first, last) and the text between them in one go.
    void replacePiece(const Occurrences &occurrences, std::size_t first, std::size_t last);
    // The first occurrence from `from` on: of bytes, one that ends by `to`; of a regular
    // expression, one that starts as `start` says, judged in the whole text.
    std::optional<TextRange> searchIn(Needle &needle, long from, long to,
                                      Start start = Start::Anywhere,
                                      const std::function<bool(qint64)> &keepGoing = {}) const;
    std::optional<TextRange> searchPattern(Needle &needle, long from, Start start,
                                           const std::function<bool(qint64)> &keepGoing) const;
    bool isWholeWord(const TextRange &range) const;
    // A message to Scintilla whose answer is a number.
    long send(unsigned int message, unsigned long wParam = 0, long lParam = 0) const;
    void noticeSelection();
    // Tells of other text on screen when a click or a command opened or closed a fold.
    void noticeFolds();
    // Block and multiple selections are off: Cut, Copy, Paste, Delete and every insertion
    // know one range of text. What Alt+Shift+arrows or a drag with Alt (Ctrl on X11) would
    // make a block becomes the range from where it began to the caret.
    void keepOneRange();
    void announceSelection();
    const char *heldText() const;
    // The held text of [from, to): the text's gap moves only when it lies inside.
    const char *heldPointer(long from, long to) const;
    long heldLength() const;
    // Strikethrough is an indicator, so text added later must be covered again.
    void keepStrikeOut();
    // Widens or narrows the line numbers' margin when the line count gains or loses a
    // digit; remeasures it after a change of font or zoom.
    enum class Measure { WhenDigitsChange, Again };
    void fitLineNumbers(Measure measure = Measure::WhenDigitsChange);
    std::vector<TextRange> marksOf(int indicator) const;

    // Where the caret's column was counted last; forgotten when the text before it changes.
    struct CountedColumn
    {
        long lineStart = -1;
        long position = -1;
        long column = 0;
    };

    TextArea *m_area;
    HtmlLexer *m_lexer;
    Completion *m_completion = nullptr;
    mutable CountedColumn m_counted;
    long m_linesToShow = 0; // with wrapped lines counted for each row, as last noticed
    QFont m_font;
    Selection m_lastSelection{0, 0};
    Encoding m_encoding = Encoding::Utf8;
    QByteArray m_systemLineEnd = "\n";
    QString m_searchFailure;
    bool m_loading = false;
    bool m_unsaved = false;
    bool m_tagsMarked = false;
    bool m_folding = false;
    bool m_lineNumbers = false;
    int m_numberDigits = 0; // of the numbers the margin fits; 0 while it is hidden
};
