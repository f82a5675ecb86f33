#pragma once

#include "app/outsideworld.h"

#include <QList>

// The outside world as tests see it: records every request; each kind of request
// fails with the given reason when one is set.
class FakeWorld : public OutsideWorld
{
public:
    struct Start
    {
        QString program;
        QStringList arguments;
    };

    QString installFolder() override;
    QString userDataFolder() override;
    QString openInBrowser(const QString &file) override;
    QString startProgram(const QString &program, const QStringList &arguments) override;
    QString print(const QString &text) override;
    void endProgram() override;
    QByteArray lineEnd() override;
    QStringList dictionaryFolders() override;

    QStringList browserFiles;
    QList<Start> started;
    // Quillet's own folder for every fake world of a test program; a folder of its own under
    // the temporary folder unless the test sets one, never the real one.
    static QString ownFolder;
    // The system's line end for the fake world of a test program made from now on: LF, as
    // on the machines that write the tests' pages, unless the test sets another.
    static QByteArray systemLineEnd;
    // The user's own data folder likewise, beside it.
    static QString dataFolder;
    // Where the fake world of a test program made from now on finds dictionaries: none
    // unless the test sets some.
    static QStringList dictionaries;
    QStringList printed;
    int endings = 0;

    QString browserFailure;
    QString startFailure;
    QString printFailure;
};
