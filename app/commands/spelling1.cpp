#include "spelling1.h"

#include "app/commondialogs.h"
#include "app/form1.h"
#include "app/spellingcommands.h"
#include "dialogs/common/tagdialog.h"
#include "dialogs/common/toolwindow.h"
#include "document/speller.h"
#include "editor/editor.h"
#include "editor/misspeltsearch.h"
#include "editor/spellmarks.h"
#include "editor/wordfinder.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

spelling1::spelling1(Form1 &form)
    : CommandWindow(form, QStringLiteral("spelling1"), QStringLiteral("Spelling"), {6000, 3600})
    , Label1(makeLabel(QStringLiteral("Label1"), QStringLiteral("Not in dictionary:")))
    , Text1(makeText(QStringLiteral("Text1")))
    , Label2(makeLabel(QStringLiteral("Label2"), QStringLiteral("Change &to:")))
    , Text2(makeText(QStringLiteral("Text2")))
    , Label3(makeLabel(QStringLiteral("Label3"), QStringLiteral("Suggestio&ns:")))
    , List1(new QListWidget)
    , Command1(makeButton(QStringLiteral("Command1"), QStringLiteral("&Change")))
    , Command2(makeButton(QStringLiteral("Command2"), QStringLiteral("Change A&ll")))
    , Command3(makeButton(QStringLiteral("Command3"), QStringLiteral("&Ignore")))
    , Command4(makeButton(QStringLiteral("Command4"), QStringLiteral("I&gnore All")))
    , Command5(makeButton(QStringLiteral("Command5"), QStringLiteral("&Add to Dictionary")))
    , Command6(makeButton(QStringLiteral("Command6"), QStringLiteral("&Close")))
    , m_search(new MisspeltSearch(form.editor(), form.speller()))
{
    Text1->setReadOnly(true);
    Label1->setBuddy(Text1);
    Label2->setBuddy(Text2);
    List1->setObjectName(QStringLiteral("List1"));
    Label3->setBuddy(List1);
    auto grid = new QGridLayout(this);
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(Text1, 1, 0);
    grid->addWidget(Label2, 2, 0);
    grid->addWidget(Text2, 3, 0);
    grid->addWidget(Label3, 4, 0);
    grid->addWidget(List1, 5, 0);
    auto buttons = new QVBoxLayout;
    for (QPushButton *button : {Command1, Command2, Command3, Command4, Command5, Command6})
        buttons->addWidget(button);
    buttons->addStretch(1);
    grid->addLayout(buttons, 0, 1, 6, 1);
    grid->setRowStretch(5, 1);

    connect(List1, &QListWidget::currentTextChanged, Text2, &QLineEdit::setText);
    connect(Command1, &QPushButton::clicked, this, [this] { change(Text2->text()); });
    connect(Command2, &QPushButton::clicked, this, [this] {
        m_changeAll.insert(m_text, Text2->text());
        change(Text2->text());
    });
    connect(Command3, &QPushButton::clicked, this, [this] { goOn(m_word.end); });
    connect(Command4, &QPushButton::clicked, this, [this] {
        ignoreEverywhere(this->form(), m_text);
        goOn(m_word.end);
    });
    connect(Command5, &QPushButton::clicked, this, [this] {
        addToDictionary(this->form(), m_text);
        goOn(m_word.end);
    });
    connect(Command6, &QPushButton::clicked, this, &QWidget::hide);
    connect(m_search, &MisspeltSearch::found, this, &spelling1::showWord);
    connect(m_search, &MisspeltSearch::roundEnded, this, [this] {
        searching(false);
        hide();
        this->form().dialogs().message(QStringLiteral("The spelling check is complete."));
    });
    // The first use waits for the dictionary, which comes in a moment later.
    connect(&form.speller(), &Speller::dictionaryReady, this, [this] {
        if (isVisible() && !m_search->isSearching() && Text1->text().isEmpty())
            start();
    });
}

void spelling1::start()
{
    m_changeAll.clear();
    Text1->clear();
    Text2->clear();
    List1->clear();
    searching(true);
    form().spellMarks().followPage();
    if (form().speller().isReady())
        m_search->start(form().editor().caretOffset());
}

void spelling1::showWord(const TextRange &word, const QString &text)
{
    const auto changed = m_changeAll.constFind(text);
    m_word = word;
    m_text = text;
    if (changed != m_changeAll.constEnd()) {
        change(*changed);
        return;
    }
    searching(false);
    form().editor().select(word.start, word.end);
    Text1->setText(text);
    List1->clear();
    List1->addItems(form().speller().suggestions(text));
    List1->setCurrentRow(0);
    if (List1->count() == 0)
        Text2->setText(text);
}

// One undo step each.
void spelling1::change(const QString &replacement)
{
    // Typed over meanwhile: a new round from the caret.
    const QByteArray held = form().editor().heldRange(m_word.start, m_word.end);
    if (wordText(held, {0, held.size()}) != m_text) {
        start();
        return;
    }
    const QByteArray bytes = replacement.toUtf8();
    const long delta = long(bytes.size()) - (m_word.end - m_word.start);
    form().editor().replaceRange(m_word.start, m_word.end, bytes, m_word.start + bytes.size());
    m_search->moveEnd(m_word.start, delta);
    goOn(m_word.start + bytes.size());
}

void spelling1::goOn(long from)
{
    searching(true);
    m_search->resume(from);
}

void spelling1::searching(bool on)
{
    for (QPushButton *button : {Command1, Command2, Command3, Command4, Command5})
        button->setEnabled(!on);
    if (on)
        Text1->clear();
}

void checkSpelling(Form1 &form)
{
    if (!form.speller().hasDictionary()) {
        form.dialogs().message(noDictionaryMessage());
        return;
    }
    if (auto window = qobject_cast<spelling1 *>(form.showWindow(QStringLiteral("spelling1"))))
        window->start();
}
