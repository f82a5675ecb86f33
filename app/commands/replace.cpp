#include "replace.h"

#include "workprogress.h"

#include "app/form1.h"
#include "dialogs/common/tagdialog.h"
#include "dialogs/common/toolwindow.h"
#include "editor/editor.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

Replace::Replace(Form1 &form)
    : SearchWindow(form, QStringLiteral("Replace"), QStringLiteral("Replace..."), {5415, 1905})
    , Label2(makeLabel(QStringLiteral("Label2"), QStringLiteral("Replace with:")))
    , Replacewith(makeText(QStringLiteral("Replacewith")))
    , replace(makeButton(QStringLiteral("replace"), QStringLiteral("&Replace")))
    , replaceall(makeButton(QStringLiteral("replaceall"), QStringLiteral("Replace A&ll")))
    , Label3(makeLabel(QStringLiteral("Label3"), QString()))
{
    Label2->setBuddy(Replacewith);
    grid()->addWidget(Label2, 1, 0);
    grid()->addWidget(Replacewith, 1, 1);
    grid()->addWidget(Label3, 6, 0, 1, 2, Qt::AlignTop);
    addButton(replace);
    addButton(replaceall);
    setTabChain({Findit, Replacewith, matchcase, Option1, Option2, Check1, findnext, replace,
                 replaceall, Cancel});

    connect(findnext, &QPushButton::clicked, Label3, &QLabel::clear);
    connect(replace, &QPushButton::clicked, this, &Replace::replaceOne);
    connect(replaceall, &QPushButton::clicked, this, &Replace::replaceEvery);
}

void Replace::replaceOne()
{
    Label3->clear();
    // Only an occurrence is replaced, by the text as written; anything else selected is
    // left, and the search moves on to the next occurrence either way.
    const std::optional<QString> replacement
        = form().editor().selectionReplacement(Findit->text(), Replacewith->text(), flags());
    if (showSearchFailure())
        return;
    if (replacement)
        form().editor().putSelectedText(*replacement);
    findNext();
}

void Replace::replaceEvery()
{
    Label3->clear();
    WorkProgress progress(QStringLiteral("Replacing..."), &form(), form().progressDelay());
    const std::optional<int> count = form().editor().replaceAll(
        Findit->text(), Replacewith->text(), flags(),
        [&progress](qint64 done, qint64 total) { return progress.update(done, total); });
    // Cancelled or failed: nothing was changed.
    if (showSearchFailure() || !count)
        return;
    Label3->setText(*count > 0 ? QStringLiteral("%1 replaced").arg(*count)
                               : QStringLiteral("Nothing found"));
}
