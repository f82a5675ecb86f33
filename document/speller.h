#pragma once

#include <QHash>
#include <QObject>
#include <QSet>
#include <QStringList>

#include <map>
#include <memory>
#include <vector>

class Hunspell;
class QThread;

// A Hunspell dictionary in a folder: language.aff and language.dic.
struct DictionaryFile
{
    QString language; // "en_US"
    QString affix;
    QString words;
};

// The dictionaries in the folders, by language; a language found twice is the first
// folder's.
std::vector<DictionaryFile> findDictionaries(const QStringList &folders);

// The language the page's words are checked in, of those available: the page's own LANG
// ("fr", "en-GB"), else the user's choice, else the system's locale ("de_DE"), else English
// (US), else the first; empty with none available.
QString chooseLanguage(const QStringList &available, const QString &pageLanguage,
                       const QString &choice, const QString &locale);

// Tells the words a dictionary knows from the others, with Hunspell. A dictionary is read
// in a thread of its own the first time it is wanted; until it is in, every word passes.
// The user's own words (a file, UTF-8, one a line) pass in every language, as do the
// words ignored until the program ends.
class Speller : public QObject
{
    Q_OBJECT

public:
    Speller(const std::vector<DictionaryFile> &dictionaries, const QString &userWordsFile,
            const QString &locale, QObject *parent = nullptr);
    ~Speller() override;

    QStringList languages() const;
    bool hasDictionary() const { return !m_files.empty(); }

    // The user's choice, which a page without LANG is checked in.
    void setChoice(const QString &language);
    QString choice() const { return m_choice; }
    // The language of the page being checked: its LANG, or none.
    void followPage(const QString &pageLanguage);
    QString language() const { return m_language; }
    // The dictionary of the language is in.
    bool isReady() const;
    void waitUntilReady();

    bool isCorrect(const QString &word);
    // Up to eight, the likeliest first.
    QStringList suggestions(const QString &word) const;
    void ignoreAll(const QString &word);
    // Kept in the user's words file; false when it cannot be written.
    bool addWord(const QString &word);

signals:
    // A dictionary came in: words checked before may be judged otherwise now.
    void dictionaryReady();

private:
    void use(const QString &language);
    void load(const QString &language);
    QByteArray inDictionaryEncoding(const QString &word) const;
    QString fromDictionaryEncoding(const std::string &word) const;
    Hunspell *current() const;

    std::vector<DictionaryFile> m_files;
    QString m_userWordsFile;
    QString m_locale;
    QString m_choice;
    QString m_pageLanguage;
    QString m_language;
    std::map<QString, std::shared_ptr<Hunspell>> m_loaded;
    std::map<QString, QThread *> m_loading;
    QSet<QString> m_accepted; // the user's words and those ignored
    QHash<QString, bool> m_known; // the current dictionary's answers so far
};
