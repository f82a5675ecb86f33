#include "speller.h"

#include <hunspell.hxx>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <algorithm>

namespace {
constexpr int mostSuggestions = 8;

QString normalLanguage(QString language)
{
    return language.replace(QLatin1Char('-'), QLatin1Char('_')).trimmed();
}

// The available language that is the wanted one ("fr_CA"), else one of its language
// ("fr" for "fr_CA", "en_US" for "en"): the one named like the language itself ("fr_FR",
// "de_DE") when there is one.
QString matching(const QStringList &available, const QString &wanted)
{
    const QString language = normalLanguage(wanted);
    if (language.isEmpty())
        return {};
    for (const QString &name : available) {
        if (name.compare(language, Qt::CaseInsensitive) == 0)
            return name;
    }
    const QString base = language.section(QLatin1Char('_'), 0, 0);
    QString found;
    for (const QString &name : available) {
        if (name.section(QLatin1Char('_'), 0, 0).compare(base, Qt::CaseInsensitive) != 0)
            continue;
        if (name.compare(base + QLatin1Char('_') + base, Qt::CaseInsensitive) == 0)
            return name;
        if (found.isEmpty())
            found = name;
    }
    return found;
}
} // namespace

std::vector<DictionaryFile> findDictionaries(const QStringList &folders)
{
    std::vector<DictionaryFile> found;
    for (const QString &folder : folders) {
        const QDir dir(folder);
        const QStringList affixes = dir.entryList({QStringLiteral("*.aff")}, QDir::Files,
                                                  QDir::Name);
        for (const QString &affix : affixes) {
            const QString language = QFileInfo(affix).completeBaseName();
            const QString words = dir.filePath(language + QStringLiteral(".dic"));
            const bool known = std::any_of(found.begin(), found.end(), [&](const auto &file) {
                return file.language == language;
            });
            if (!known && QFileInfo::exists(words))
                found.push_back({language, dir.filePath(affix), words});
        }
    }
    std::sort(found.begin(), found.end(),
              [](const auto &a, const auto &b) { return a.language < b.language; });
    return found;
}

QString chooseLanguage(const QStringList &available, const QString &pageLanguage,
                       const QString &choice, const QString &locale)
{
    for (const QString &wanted : {pageLanguage, choice, locale, QStringLiteral("en_US")}) {
        const QString found = matching(available, wanted);
        if (!found.isEmpty())
            return found;
    }
    return available.value(0);
}

Speller::Speller(const std::vector<DictionaryFile> &dictionaries, const QString &userWordsFile,
                 const QString &locale, QObject *parent)
    : QObject(parent)
    , m_files(dictionaries)
    , m_userWordsFile(userWordsFile)
    , m_locale(locale)
{
    QFile file(userWordsFile);
    if (file.open(QIODevice::ReadOnly)) {
        const QList<QByteArray> lines = file.readAll().split('\n');
        for (const QByteArray &line : lines) {
            const QString word = QString::fromUtf8(line).trimmed();
            if (!word.isEmpty())
                m_accepted.insert(word);
        }
    }
}

Speller::~Speller()
{
    for (const auto &[language, thread] : m_loading)
        thread->wait();
}

QStringList Speller::languages() const
{
    QStringList names;
    for (const DictionaryFile &file : m_files)
        names << file.language;
    return names;
}

void Speller::setChoice(const QString &language)
{
    m_choice = language;
    use(chooseLanguage(languages(), m_pageLanguage, m_choice, m_locale));
}

void Speller::followPage(const QString &pageLanguage)
{
    if (pageLanguage == m_pageLanguage && !m_language.isEmpty())
        return;
    m_pageLanguage = pageLanguage;
    use(chooseLanguage(languages(), m_pageLanguage, m_choice, m_locale));
}

bool Speller::isReady() const
{
    return current() != nullptr;
}

void Speller::waitUntilReady()
{
    const auto loading = m_loading.find(m_language);
    if (loading != m_loading.end())
        loading->second->wait();
    QCoreApplication::sendPostedEvents(this);
}

bool Speller::isCorrect(const QString &word)
{
    Hunspell *dictionary = current();
    if (!dictionary || m_accepted.contains(word))
        return true;
    const auto known = m_known.constFind(word);
    if (known != m_known.constEnd())
        return *known;
    const QByteArray bytes = inDictionaryEncoding(word);
    const bool correct = !bytes.isEmpty() && dictionary->spell(bytes.toStdString());
    m_known.insert(word, correct);
    return correct;
}

QStringList Speller::suggestions(const QString &word) const
{
    Hunspell *dictionary = current();
    const QByteArray bytes = inDictionaryEncoding(word);
    QStringList found;
    if (!dictionary || bytes.isEmpty())
        return found;
    for (const std::string &suggestion : dictionary->suggest(bytes.toStdString())) {
        if (found.size() == mostSuggestions)
            break;
        found << fromDictionaryEncoding(suggestion);
    }
    return found;
}

void Speller::ignoreAll(const QString &word)
{
    m_accepted.insert(word);
}

bool Speller::addWord(const QString &word)
{
    m_accepted.insert(word);
    QDir().mkpath(QFileInfo(m_userWordsFile).absolutePath());
    QFile file(m_userWordsFile);
    return file.open(QIODevice::WriteOnly | QIODevice::Append)
           && file.write(word.toUtf8() + '\n') > 0;
}

void Speller::use(const QString &language)
{
    if (language == m_language)
        return;
    m_language = language;
    m_known.clear();
    if (!language.isEmpty() && !m_loaded.count(language) && !m_loading.count(language))
        load(language);
}

// Reading a dictionary takes a good part of a second: the window goes on meanwhile.
void Speller::load(const QString &language)
{
    const auto file = std::find_if(m_files.begin(), m_files.end(),
                                   [&](const auto &f) { return f.language == language; });
    const QByteArray affix = QFile::encodeName(file->affix);
    const QByteArray words = QFile::encodeName(file->words);
    QThread *thread = QThread::create([this, language, affix, words] {
        auto dictionary = std::make_shared<Hunspell>(affix.constData(), words.constData());
        QMetaObject::invokeMethod(this, [this, language, dictionary] {
            m_loaded[language] = dictionary;
            if (language == m_language) {
                m_known.clear();
                emit dictionaryReady();
            }
        }, Qt::QueuedConnection);
    });
    // A child, so that a thread still loading when the speller goes is waited for and freed.
    thread->setParent(this);
    m_loading[language] = thread;
    connect(thread, &QThread::finished, this, [this, language, thread] {
        m_loading.erase(language);
        thread->deleteLater();
    });
    thread->start(QThread::LowPriority);
}

Hunspell *Speller::current() const
{
    const auto loaded = m_loaded.find(m_language);
    return loaded == m_loaded.end() ? nullptr : loaded->second.get();
}

// Hunspell takes and gives words in its dictionary's own encoding.
QByteArray Speller::inDictionaryEncoding(const QString &word) const
{
    Hunspell *dictionary = current();
    const std::string encoding = dictionary ? dictionary->get_dict_encoding() : "UTF-8";
    if (encoding == "UTF-8")
        return word.toUtf8();
    // The ISO 8859-1 dictionaries: a word with a character beyond it is none of theirs.
    const bool latin1 = std::all_of(word.begin(), word.end(),
                                    [](QChar c) { return c.unicode() <= 0xFF; });
    return latin1 ? word.toLatin1() : QByteArray();
}

QString Speller::fromDictionaryEncoding(const std::string &word) const
{
    Hunspell *dictionary = current();
    if (dictionary && dictionary->get_dict_encoding() != "UTF-8")
        return QString::fromLatin1(word.data(), qsizetype(word.size()));
    return QString::fromUtf8(word.data(), qsizetype(word.size()));
}
