#pragma once

#include "pagedrawing.h"

#include <QMutex>
#include <QTimer>
#include <QWidget>

#include <atomic>
#include <memory>

class Editor;
class PageView;
class QLabel;
class QPushButton;
class TaskThread;

// The pane beside the editor that shows the page as Qt's rich-text engine draws it. It is
// redrawn when typing pauses, on a thread of its own, and the finished drawing is handed to
// the window's thread, so that a key costs no more than with the pane hidden. It follows
// the caret: to the nearest name (A NAME, ID) before it that the drawing knows, else to the
// same share of the page.
class LivePreview : public QWidget
{
    Q_OBJECT

public:
    // How long typing pauses before the page is drawn anew, in milliseconds.
    static constexpr int pause = 333;
    // A page larger than this, in bytes, is drawn only when the user asks.
    static constexpr long largePage = 4 * 1024 * 1024;

    explicit LivePreview(Editor &editor, QWidget *parent = nullptr);
    ~LivePreview() override;

    // The page's file, whose folder holds the pictures it may show; empty while untitled.
    void setPageFile(const QString &fileName);
    // How the files the page names are read (the files' own reader unless a test watches).
    void setFileReader(PageFileReader reader) { m_reader = std::move(reader); }
    // The drawing shown; none before the first.
    const QTextDocument *page() const;

signals:
    // A link of the page was clicked: it is not followed.
    void linkClicked(const QString &target);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void schedule();
    void draw();
    void adopt(const std::shared_ptr<PageDrawing> &drawing, int generation);
    void followCaret();
    void retire(std::shared_ptr<PageDrawing> drawing);
    void showNote(const QString &text, bool offerDrawing);

    Editor &m_editor;
    PageView *m_view;
    QLabel *m_note;
    QPushButton *m_drawButton;
    QTimer m_pause;
    QTimer m_follow;
    QString m_pageFile;
    PageFileReader m_reader = readPageFile;
    std::shared_ptr<PageDrawing> m_drawing;
    bool m_asked = false; // the user asked for a large page's drawing
    std::atomic<int> m_generation{0};
    // Held while the drawing thread lays out and while the view paints with its fonts.
    QMutex m_fonts;
    // Last, so that it ends, with its drawing, before anything it uses.
    std::unique_ptr<TaskThread> m_thread;
};
