#include "find.h"

#include "app/commondialogs.h"
#include "app/form1.h"
#include "dialogs/common/tagdialog.h"
#include "dialogs/common/toolwindow.h"
#include "editor/editor.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

SearchWindow::SearchWindow(Form1 &form, const QString &name, const QString &caption,
                           QSize clientTwips)
    : CommandWindow(form, name, caption, clientTwips)
    , Label1(makeLabel(QStringLiteral("Label1"), QStringLiteral("Find what:")))
    , Findit(makeText(QStringLiteral("Findit")))
    , matchcase(makeOption(QStringLiteral("matchcase"), QStringLiteral("Match Case")))
    , Option1(makeOption(QStringLiteral("Option1"), QStringLiteral("Whole word only")))
    , Option2(makeOption(QStringLiteral("Option2"), QStringLiteral("None of the above..."), true))
    , Check1(makeCheck(QStringLiteral("Check1"), QStringLiteral("Regular e&xpression")))
    , findnext(makeButton(QStringLiteral("findnext"), QStringLiteral("&Find next")))
    , Cancel(makeCancelButton(QStringLiteral("Cancel")))
    , m_options(new QButtonGroup(this))
    , m_grid(new QGridLayout(this))
    , m_buttons(new QVBoxLayout)
{
    // The option's id is the editor's find flag it stands for.
    m_options->addButton(matchcase, Editor::MatchCase);
    m_options->addButton(Option1, Editor::WholeWord);
    m_options->addButton(Option2, 0);
    Label1->setBuddy(Findit);

    m_grid->addWidget(Label1, 0, 0);
    m_grid->addWidget(Findit, 0, 1);
    m_grid->addWidget(matchcase, 2, 0, 1, 2);
    m_grid->addWidget(Option1, 3, 0, 1, 2);
    m_grid->addWidget(Option2, 4, 0, 1, 2);
    m_grid->addWidget(Check1, 5, 0, 1, 2);
    m_buttons->addWidget(findnext);
    m_buttons->addWidget(Cancel);
    m_buttons->addStretch(1);
    m_grid->addLayout(m_buttons, 0, 2, 7, 1);
    m_grid->setColumnStretch(1, 1);
    m_grid->setRowStretch(6, 1);

    connect(findnext, &QPushButton::clicked, this, &SearchWindow::findNext);
}

int SearchWindow::flags() const
{
    return m_options->checkedId() | (Check1->isChecked() ? Editor::RegularExpression : 0);
}

bool SearchWindow::findNext()
{
    // Nothing found is no news: the selection stays and nothing is shown.
    const bool found = form().editor().find(Findit->text(), flags());
    showSearchFailure();
    return found;
}

bool SearchWindow::showSearchFailure()
{
    const QString failure = form().editor().searchFailure();
    if (!failure.isEmpty())
        form().dialogs().message(failure);
    return !failure.isEmpty();
}

void SearchWindow::addButton(QPushButton *button)
{
    m_buttons->insertWidget(m_buttons->indexOf(Cancel), button);
}

Find::Find(Form1 &form)
    : SearchWindow(form, QStringLiteral("Find"), QStringLiteral("Find..."), {4815, 1485})
{
}
