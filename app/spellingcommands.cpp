#include "spellingcommands.h"

#include "commondialogs.h"
#include "form1.h"
#include "settings.h"

#include "document/speller.h"
#include "editor/editor.h"
#include "editor/spellmarks.h"
#include "editor/wordfinder.h"

#include <QActionGroup>
#include <QLocale>
#include <QMenu>

namespace {
const QString languagePrefix = QStringLiteral("mnuspelllang_");

void useLanguage(Form1 &form, const QString &language)
{
    form.settings().setSpellingLanguage(language);
    form.speller().setChoice(language);
    form.spellMarks().check();
}
} // namespace

QString noDictionaryMessage()
{
#ifdef Q_OS_WIN
    const QString where = QStringLiteral("the dictionaries folder of Quillet's own folder");
#else
    const QString where = QStringLiteral("/usr/share/hunspell (the hunspell-en-us package, for "
                                         "one) or Quillet's data folder");
#endif
    return QStringLiteral("Quillet found no spelling dictionary. Put a Hunspell dictionary "
                          "(its .aff and .dic files) in %1.")
        .arg(where);
}

void ignoreEverywhere(Form1 &form, const QString &word)
{
    form.speller().ignoreAll(word);
    form.spellMarks().check();
}

void addToDictionary(Form1 &form, const QString &word)
{
    if (!form.speller().addWord(word))
        form.dialogs().message(QStringLiteral("Quillet cannot keep the word in your word list."));
    form.spellMarks().check();
}

MenuItem spellingLanguageMenu(const QStringList &languages)
{
    std::vector<MenuItem> items;
    for (const QString &language : languages) {
        const QString name = QLocale::languageToString(QLocale(language).language());
        items.push_back(command(languagePrefix + language,
                                QStringLiteral("%1 (%2)").arg(name, language),
                                [language](Form1 &form) { useLanguage(form, language); }));
    }
    if (items.empty())
        items.push_back(command(QStringLiteral("mnuspellnone"),
                                QStringLiteral("No Dictionary Found"), [](Form1 &form) {
                                    form.dialogs().message(noDictionaryMessage());
                                }));
    return submenu(QStringLiteral("mnuspelllanguage"), QStringLiteral("Spelling &Language"),
                   items);
}

void markSpellingLanguage(Form1 &form, QMenu *menu)
{
    auto group = new QActionGroup(menu);
    const QString chosen = chooseLanguage(form.speller().languages(), {},
                                            form.settings().spellingLanguage(),
                                            QLocale::system().name());
    for (QAction *action : menu->actions()) {
        if (!action->objectName().startsWith(languagePrefix))
            continue;
        action->setCheckable(true);
        action->setChecked(action->objectName() == languagePrefix + chosen);
        group->addAction(action);
    }
}

void showEditorMenu(Form1 &form, QMenu *insertMenu, const QPoint &at)
{
    Editor &editor = form.editor();
    const TextRange word = form.spellMarks().isOn()
                               ? editor.misspeltAt(editor.positionAt(at))
                               : TextRange{};
    if (word.start == word.end) {
        insertMenu->popup(at);
        return;
    }
    const QByteArray bytes = editor.heldRange(word.start, word.end);
    const QString text = wordText(bytes, {0, bytes.size()});
    Speller &speller = form.speller();
    auto menu = new QMenu(&form);
    menu->setObjectName(QStringLiteral("spellingMenu"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    for (const QString &suggestion : speller.suggestions(text)) {
        menu->addAction(suggestion, &form, [&editor, word, suggestion] {
            const QByteArray replacement = suggestion.toUtf8();
            editor.replaceRange(word.start, word.end, replacement,
                                word.start + replacement.size());
        });
    }
    if (menu->actions().isEmpty())
        menu->addAction(QStringLiteral("(No Suggestions)"))->setEnabled(false);
    menu->addSeparator();
    menu->addAction(QStringLiteral("Ignore All"), &form,
                    [&form, text] { ignoreEverywhere(form, text); });
    menu->addAction(QStringLiteral("Add to Dictionary"), &form,
                    [&form, text] { addToDictionary(form, text); });
    menu->addSeparator();
    menu->addActions(insertMenu->actions());
    menu->popup(at);
}
