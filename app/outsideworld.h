#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// What the program asks of the world outside its windows. Each call that can fail
// returns an empty string on success and the reason otherwise.
class OutsideWorld
{
public:
    virtual ~OutsideWorld() = default;

    // Quillet's own folder (see installfolder.h).
    virtual QString installFolder() = 0;
    // The user's own data folder, where the browser preview's file goes.
    virtual QString userDataFolder() = 0;
    virtual QString openInBrowser(const QString &file) = 0;
    virtual QString startProgram(const QString &program, const QStringList &arguments) = 0;
    virtual QString print(const QString &text) = 0;
    virtual void endProgram() = 0;
    // The system's line end, for a page that has none of its own.
    virtual QByteArray lineEnd() = 0;
    // Where Hunspell's dictionaries are looked for, the first found of a language winning.
    virtual QStringList dictionaryFolders() = 0;
};
