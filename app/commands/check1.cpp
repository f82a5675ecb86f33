#include "check1.h"

#include "htmlcheck.h"

#include "app/form1.h"
#include "dialogs/common/toolwindow.h"
#include "editor/editor.h"

#include <QGuiApplication>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int lineRole = Qt::UserRole;
constexpr int columnRole = Qt::UserRole + 1;
} // namespace

check1::check1(Form1 &form)
    : CommandWindow(form, QStringLiteral("check1"), QStringLiteral("HTML Check"), {7200, 3600},
                    true)
    , List1(new QListWidget)
    , Command1(makeButton(QStringLiteral("Command1"), QStringLiteral("&Close")))
{
    List1->setObjectName(QStringLiteral("List1"));
    auto layout = new QVBoxLayout(this);
    layout->addWidget(List1, 1);
    layout->addWidget(Command1, 0, Qt::AlignRight);

    // Double-click and Enter both activate a row.
    connect(List1, &QListWidget::itemActivated, this, &check1::goTo);
    connect(Command1, &QPushButton::clicked, this, &QWidget::hide);
}

void check1::check()
{
    List1->clear();
    // Tidy takes seconds over a page of many megabytes.
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const QList<Finding> findings = checkHtml(form().editor().contents());
    QGuiApplication::restoreOverrideCursor();
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
    List1->setFocus();
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
