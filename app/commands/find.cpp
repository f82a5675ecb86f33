#include "find.h"

#include "app/editor.h"
#include "app/form1.h"
#include "dialogs/common/tagdialog.h"
#include "dialogs/common/toolwindow.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

Find::Find(Form1 &form)
    : CommandWindow(form, QStringLiteral("Find"), QStringLiteral("Find..."), {4815, 1485})
    , Label1(makeLabel(QStringLiteral("Label1"), QStringLiteral("Find what:")))
    , Findit(makeText(QStringLiteral("Findit")))
    , matchcase(makeOption(QStringLiteral("matchcase"), QStringLiteral("Match Case")))
    , Option1(makeOption(QStringLiteral("Option1"), QStringLiteral("Whole word only")))
    , Option2(makeOption(QStringLiteral("Option2"), QStringLiteral("None of the above..."), true))
    , findnext(makeButton(QStringLiteral("findnext"), QStringLiteral("&Find next")))
    , Cancel(makeCancelButton(QStringLiteral("Cancel")))
    , m_options(new QButtonGroup(this))
{
    // The option's id is the editor's find flag it stands for.
    m_options->addButton(matchcase, Editor::MatchCase);
    m_options->addButton(Option1, Editor::WholeWord);
    m_options->addButton(Option2, 0);
    Label1->setBuddy(Findit);

    auto grid = new QGridLayout(this);
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(Findit, 0, 1);
    grid->addWidget(matchcase, 1, 0, 1, 2);
    grid->addWidget(Option1, 2, 0, 1, 2);
    grid->addWidget(Option2, 3, 0, 1, 2);
    grid->addWidget(findnext, 0, 2);
    grid->addWidget(Cancel, 1, 2);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(4, 1);

    connect(findnext, &QPushButton::clicked, this, &Find::findNext);
}

void Find::findNext()
{
    // Nothing found is no news: the selection stays and nothing is shown.
    form().editor().find(Findit->text(), m_options->checkedId());
}
