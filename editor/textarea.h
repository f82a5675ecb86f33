#pragma once

#include <Qsci/qsciscintilla.h>

#include <functional>

class QMimeData;

// QScintilla with the user's input reported back to the Editor around it.
class TextArea : public QsciScintilla
{
public:
    explicit TextArea(QWidget *parent = nullptr);

    std::function<void()> inputHandled;
    std::function<void(const QPoint &)> rightButtonPressed;
    std::function<void(const QString &)> fileDropped;
    // Whether a typed text is taken before it reaches the document.
    std::function<bool(const QString &)> typedOver;
    // Ctrl with the mouse wheel: zoom in (steps above 0) or out.
    std::function<void(int)> zoomedBy;

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    int m_wheelZoom = 0; // what a touchpad sent short of a whole step
};

// The first local file among dragged data; empty when it brings none.
QString droppedFile(const QMimeData *data);
