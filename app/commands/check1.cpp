#include "check1.h"

#include "app/form1.h"
#include "dialogs/common/toolwindow.h"
#include "editor/editor.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QThread>
#include <QVBoxLayout>

#include <algorithm>

namespace {
constexpr int lineRole = Qt::UserRole;
constexpr int columnRole = Qt::UserRole + 1;
} // namespace

check1::check1(Form1 &form)
    : CommandWindow(form, QStringLiteral("check1"), QStringLiteral("HTML Check"), {7200, 3600},
                    true)
    , Label1(new QLabel)
    , List1(new QListWidget)
    , Command1(makeButton(QStringLiteral("Command1"), QStringLiteral("&Close")))
{
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setWordWrap(true);
    Label1->hide();
    List1->setObjectName(QStringLiteral("List1"));
    auto layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(List1, 1);
    layout->addWidget(Command1, 0, Qt::AlignRight);

    // Double-click and Enter both activate a row.
    connect(List1, &QListWidget::itemActivated, this, &check1::goTo);
    connect(Command1, &QPushButton::clicked, this, &QWidget::hide);
    m_slow.setSingleShot(true);
    m_slow.setInterval(500);
    connect(&m_slow, &QTimer::timeout, this, &check1::tell);
    connect(&form.editor(), &Editor::textEdited, this, &check1::noteEdit);
}

check1::~check1()
{
    cancel();
    for (QThread *thread : m_threads)
        thread->wait();
}

void check1::check()
{
    cancel();
    List1->clear();
    m_shown = false;
    m_edited = false;
    m_checking = true;
    m_slow.start();
    tell();
    auto cancelled = std::make_shared<std::atomic<bool>>(false);
    m_cancelled = cancelled;
    QThread *thread = QThread::create([this, cancelled, text = form().editor().contents()] {
        const QList<Finding> findings = checkHtml(text, cancelled.get());
        QMetaObject::invokeMethod(
            this,
            [this, cancelled, findings] {
                if (!*cancelled)
                    show(findings);
            },
            Qt::QueuedConnection);
    });
    // A child, so that a check still running when the window goes is waited for and freed.
    thread->setParent(this);
    m_threads.push_back(thread);
    connect(thread, &QThread::finished, this, [this, thread] {
        m_threads.erase(std::find(m_threads.begin(), m_threads.end(), thread));
        thread->deleteLater();
    });
    thread->start(QThread::LowPriority);
}

void check1::hideEvent(QHideEvent *event)
{
    cancel();
    CommandWindow::hideEvent(event);
}

void check1::cancel()
{
    if (m_cancelled)
        *m_cancelled = true;
    m_cancelled.reset();
    m_checking = false;
    m_slow.stop();
}

void check1::tell()
{
    if (m_edited)
        Label1->setText(QStringLiteral("The page has changed since the check began: lines "
                                       "and columns are those of the text as it was then."));
    else if (m_checking && !m_slow.isActive())
        Label1->setText(QStringLiteral("Checking the page..."));
    Label1->setVisible(m_edited || (m_checking && !m_slow.isActive()));
}

void check1::show(const QList<Finding> &findings)
{
    m_checking = false;
    m_slow.stop();
    m_shown = true;
    tell();
    for (const Finding &finding : findings) {
        auto item = new QListWidgetItem(QStringLiteral("Line %1, column %2: ")
                                                .arg(finding.line)
                                                .arg(finding.column)
                                            + finding.text,
                                        List1);
        item->setData(lineRole, finding.line);
        item->setData(columnRole, finding.column);
    }
    if (findings.isEmpty())
        List1->addItem(QStringLiteral("No problems found."));
    List1->setCurrentRow(0);
    // Not taken from the editor, where the user may have gone on typing.
    if (isActiveWindow())
        List1->setFocus();
}

void check1::noteEdit()
{
    if (m_checking || m_shown) {
        m_edited = true;
        tell();
    }
}

void check1::goTo(QListWidgetItem *item)
{
    const QVariant line = item->data(lineRole);
    if (!line.isValid())
        return;
    form().editor().setCaret({line.toInt(), item->data(columnRole).toInt()});
    form().activateWindow();
    form().editor().setFocus();
}

void checkPage(Form1 &form)
{
    if (auto window = qobject_cast<check1 *>(form.showWindow(QStringLiteral("check1"))))
        window->check();
}
