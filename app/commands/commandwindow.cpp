#include "commandwindow.h"

#include "app/form1.h"
#include "dialogs/common/toolwindow.h"

#include <QPushButton>

CommandWindow::CommandWindow(Form1 &form, const QString &name, const QString &caption,
                             QSize clientTwips, bool resizable)
    : QWidget(&form)
    , m_form(form)
    , m_clientTwips(clientTwips)
    , m_resizable(resizable)
{
    makeToolWindow(this, name, caption, resizable);
}

QPushButton *CommandWindow::makeCancelButton(const QString &name)
{
    auto button = makeButton(name, QStringLiteral("C&ancel"));
    connect(button, &QPushButton::clicked, this, &QWidget::hide);
    return button;
}

void CommandWindow::showEvent(QShowEvent *event)
{
    // The subclass lays out its contents after this constructor, so the size waits.
    if (!m_fitted) {
        m_fitted = true;
        fitToTwips(this, m_clientTwips, m_resizable);
    }
    QWidget::showEvent(event);
}
