#pragma once

#include "commandwindow.h"

#include "editor/textrange.h"

#include <QHash>

class MisspeltSearch;
class QLabel;
class QLineEdit;
class QListWidget;

// The Spelling window: from the caret to the end of the page and then from the top, each
// word not in the dictionary in turn, selected in the editor, with its suggestions.
class spelling1 : public CommandWindow
{
    Q_OBJECT

public:
    explicit spelling1(Form1 &form);

    // A new round from the caret.
    void start();

private:
    void showWord(const TextRange &word, const QString &text);
    void change(const QString &replacement);
    void goOn(long from);
    void searching(bool on);

    QLabel *Label1;
    QLineEdit *Text1; // the word not in the dictionary
    QLabel *Label2;
    QLineEdit *Text2; // what it becomes
    QLabel *Label3;
    QListWidget *List1;
    QPushButton *Command1, *Command2, *Command3, *Command4, *Command5, *Command6;
    MisspeltSearch *m_search;
    TextRange m_word;
    QString m_text;
    QHash<QString, QString> m_changeAll; // until the round ends
};

// Tools › "&Spelling...": the Spelling window from the caret on.
void checkSpelling(Form1 &form);
