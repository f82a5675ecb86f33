#pragma once

#include <QByteArray>
#include <QString>

#include <functional>
#include <memory>

// A regular expression (PCRE2) searched for in held text, which is UTF-8: "^" and "$" at
// every line end (CR, LF, CR LF), "\w", "\d" and "\b" over all of Unicode, letters of any
// script folded unless the case must match. Bytes that are not UTF-8 never match. A match
// that takes more steps than PCRE2's match limit stops the search, so that a pattern that
// backtracks without end cannot hang the program.
class PatternSearch
{
public:
    PatternSearch(const QString &pattern, bool matchCase);
    ~PatternSearch();

    // Why the pattern cannot be searched for, or why the last find failed, for the user;
    // empty when neither.
    QString failure() const { return m_failure; }

    enum class Start {
        Anywhere,
        NotEmptyAtFrom, // after an empty match there, which must not be found again
        OnlyAtFrom,
    };
    enum class Outcome { Found, NotFound, Stopped, Failed };
    // Looks for the first match starting at `from` or later in text[0, size); the text
    // before `from` counts for "^", "\b" and lookbehind. keepGoing, when given, is asked
    // between pieces of about a megabyte with how far the search has come; false stops it.
    Outcome find(const char *text, qint64 size, qint64 from, Start start = Start::Anywhere,
                 const std::function<bool(qint64)> &keepGoing = {});
    // The match the last find found.
    qint64 matchStart() const;
    qint64 matchEnd() const;

    // Why the replacement cannot be used with this pattern (it names a group the pattern
    // does not have), for the user; empty when it can.
    QString replacementFailure(const QByteArray &replacement) const;
    // The replacement for the match found in text: "\0" to "\9" and "$0" to "$9" stand for
    // what the whole pattern and its groups matched (nothing for a group that took no
    // part), "\\" and "$$" for "\" and "$"; any other "\" or "$" stands for itself.
    QByteArray replacement(const QByteArray &replacement, const char *text) const;

    // Where the character after the one at `at` starts; a CR LF counts as one.
    static qint64 nextCharacter(const char *text, qint64 size, qint64 at);

private:
    struct Compiled;

    int match(const char *text, qint64 size, qint64 from, quint32 options);

    std::unique_ptr<Compiled> m_compiled;
    QString m_failure;
};
