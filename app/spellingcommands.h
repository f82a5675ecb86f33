#pragma once

#include "menuitem.h"

#include <QString>
#include <QStringList>

class Form1;
class QMenu;
class QPoint;

// What the spelling commands say when Hunspell has no dictionary to check with.
QString noDictionaryMessage();

// Until the program ends; kept in the user's word list. The marks on screen follow.
void ignoreEverywhere(Form1 &form, const QString &word);
void addToDictionary(Form1 &form, const QString &word);

// Options › "Spelling &Language": a checkable item for each dictionary found, or one that
// says there is none.
MenuItem spellingLanguageMenu(const QStringList &languages);
// Marks the language item of the user's choice, one at a time.
void markSpellingLanguage(Form1 &form, QMenu *menu);

// The right button: on a word marked misspelt its suggestions, "Ignore All" and "Add to
// Dictionary" above the Insert menu's items; elsewhere the Insert menu.
void showEditorMenu(Form1 &form, QMenu *insertMenu, const QPoint &at);
