#include "toolwindow.h"

#include "twips.h"

#include <QPushButton>
#include <QWidget>

void makeToolWindow(QWidget *window, const QString &name, const QString &caption, bool resizable)
{
    window->setObjectName(name);
    window->setWindowTitle(caption);
    // Not Qt::Tool: Qt keeps the main window's shortcuts live inside a tool window, so an
    // access key both windows use ("Bo&ldItalic", "Add &Link To Document") would do nothing.
    window->setWindowFlags(resizable ? Qt::Window
                                     : Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                                           | Qt::WindowCloseButtonHint
                                           | Qt::MSWindowsFixedSizeDialogHint);
}

void fitToTwips(QWidget *window, const QSize &clientTwips, bool resizable)
{
    window->resize(
        twipsSize(clientTwips.width(), clientTwips.height()).expandedTo(window->sizeHint()));
    if (!resizable)
        window->setFixedSize(window->size());
}

QPushButton *makeButton(const QString &name, const QString &caption)
{
    auto button = new QPushButton(caption);
    button->setObjectName(name);
    return button;
}

void setTabChain(const QList<QWidget *> &widgets)
{
    QWidget *previous = nullptr;
    for (QWidget *widget : widgets) {
        if (previous)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}
