#pragma once

#include "document.h"
#include "menuitem.h"

#include <QMainWindow>

#include <map>
#include <memory>

class CommonDialogs;
class Editor;
class FileCommands;
class LivePreview;
class OutsideWorld;
class QLabel;
class QMenu;
class QSplitter;
class QStatusBar;
class QTabWidget;
class QToolBar;
class Recovery;
struct RecoveryRecord;
class Settings;
class SpellMarks;
class Speller;

// The main window: the editor, its menus, toolbar, tab strip and status bar, the
// document state, and the one way the program's text gets into the document
// (insertAtCaret).
class Form1 : public QMainWindow
{
    Q_OBJECT

public:
    Form1(CommonDialogs &dialogs, OutsideWorld &world, QWidget *parent = nullptr);
    ~Form1() override;

    // Replaces the selection, or inserts at the caret; one undo step, the caret ends
    // behind the text with nothing selected, and the document counts as changed. The
    // text's line breaks are written as the page's own line end.
    void insertAtCaret(const QString &text);

    const Document &document() const { return m_document; }
    void setDocumentFile(const QString &fileName, bool untitled);
    void setFileStamp(const FileStamp &stamp) { m_document.stamp = stamp; }
    void markChanged();

    Editor &editor() { return *RichText1; }
    CommonDialogs &dialogs() { return Dlog1; }
    OutsideWorld &world() { return m_world; }
    FileCommands &fileCommands() { return *m_fileCommands; }
    Recovery &recovery() { return *m_recovery; }
    Settings &settings() { return *m_settings; }
    Speller &speller() { return *m_speller; }
    SpellMarks &spellMarks() { return *m_spellMarks; }

    // How long work (a read, Replace All) goes on before it shows its progress.
    int progressDelay() const { return m_progressDelay; }
    void setProgressDelay(int milliseconds) { m_progressDelay = milliseconds; }

    // Runs a menu item's handler, as choosing it would.
    void trigger(const QString &actionName);
    // Shows a secondary window, creating it on first use; an open one comes to the front.
    QWidget *showWindow(const QString &name);
    // Ends the program in order: the text kept for a crash goes too.
    void endProgram();
    // The page drawn beside the editor, in a pane made when it is first shown.
    void setLivePreview(bool on);

protected:
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void createMenus();
    QMenu *createMenu(const MenuItem &menu);
    void createToolBar();
    void createTabStrip();
    void createStatusBar();
    void fitBarsWhole();
    void showCaret();
    // The document as the recovery file keeps it.
    void snapshot(RecoveryRecord &record) const;
    void openDropped(const QString &file);

    CommonDialogs &Dlog1;
    OutsideWorld &m_world;
    Document m_document;
    Editor *RichText1;
    QToolBar *Toolbar1 = nullptr;
    QTabWidget *SSTab1 = nullptr;
    QStatusBar *Bar1 = nullptr;
    QLabel *m_caretPosition = nullptr;
    QMenu *m_insertMenu = nullptr;
    // The editor, and beside it the live preview; each wraps its lines to its own width.
    QSplitter *m_split;
    LivePreview *m_preview = nullptr;
    std::unique_ptr<Settings> m_settings;
    std::unique_ptr<Speller> m_speller;
    SpellMarks *m_spellMarks;
    std::unique_ptr<FileCommands> m_fileCommands;
    std::unique_ptr<Recovery> m_recovery;
    std::map<QString, QWidget *> m_windows;
    int m_progressDelay = 500;
};
