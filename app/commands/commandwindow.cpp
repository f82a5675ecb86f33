#include "commandwindow.h"

#include "app/form1.h"
#include "dialogs/common/twips.h"

#include <QPushButton>

CommandWindow::CommandWindow(Form1 &form, const QString &name, const QString &caption,
                             QSize clientTwips)
    : QWidget(&form)
    , m_form(form)
    , m_clientTwips(clientTwips)
{
    setObjectName(name);
    setWindowTitle(caption);
    // A dialog, not a tool window: a tool window passes its keys on to the main window's
    // shortcuts, and Alt+F must press "&Find next" rather than open the File menu.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
}

QPushButton *CommandWindow::makeButton(const QString &name, const QString &caption)
{
    auto button = new QPushButton(caption);
    button->setObjectName(name);
    return button;
}

QPushButton *CommandWindow::makeCancelButton(const QString &name)
{
    auto button = makeButton(name, QStringLiteral("C&ancel"));
    connect(button, &QPushButton::clicked, this, &QWidget::hide);
    return button;
}

void CommandWindow::showEvent(QShowEvent *event)
{
    if (!m_fitted) {
        m_fitted = true;
        resize(twipsSize(m_clientTwips.width(), m_clientTwips.height()).expandedTo(sizeHint()));
        setFixedSize(size());
    }
    QWidget::showEvent(event);
}
