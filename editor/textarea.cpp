#include "textarea.h"

#include "qtcompat.h"

#include <QAccessibleWidget>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QWheelEvent>

#include <cstdlib>

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

TextArea::TextArea(QWidget *parent)
    : QsciScintilla(parent)
{
    static const bool installed = (QAccessible::installFactory(plainAccessibleText), true);
    Q_UNUSED(installed)
}

void TextArea::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::RightButton) {
        rightButtonPressed(QtCompat::globalPos(event));
        return;
    }
    QsciScintilla::mousePressEvent(event);
    inputHandled();
}

void TextArea::mouseMoveEvent(QMouseEvent *event)
{
    QsciScintilla::mouseMoveEvent(event);
    if (event->buttons() != Qt::NoButton)
        inputHandled();
}

void TextArea::mouseReleaseEvent(QMouseEvent *event)
{
    QsciScintilla::mouseReleaseEvent(event);
    inputHandled();
}

void TextArea::keyPressEvent(QKeyEvent *event)
{
    if (typedOver(event->text())) {
        event->accept();
        return;
    }
    QsciScintilla::keyPressEvent(event);
    inputHandled();
}

void TextArea::contextMenuEvent(QContextMenuEvent *event)
{
    event->accept();
}

void TextArea::dropEvent(QDropEvent *event)
{
    const QString file = droppedFile(event->mimeData());
    if (file.isEmpty()) {
        QsciScintilla::dropEvent(event);
        return;
    }
    event->acceptProposedAction();
    fileDropped(file);
}

void TextArea::wheelEvent(QWheelEvent *event)
{
    if (!(event->modifiers() & Qt::ControlModifier)) {
        QsciScintilla::wheelEvent(event);
        return;
    }
    event->accept();
    // A wheel's notch is 120; a touchpad sends it in small parts, which add up to steps.
    const QPoint delta = event->angleDelta();
    m_wheelZoom += std::abs(delta.x()) > std::abs(delta.y()) ? delta.x() : delta.y();
    const int steps = m_wheelZoom / 120;
    m_wheelZoom %= 120;
    if (steps != 0)
        zoomedBy(steps);
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
