#pragma once

#include "outsideworld.h"

// The real outside world: the desktop's browser, programs, the default printer.
class SystemWorld : public OutsideWorld
{
public:
    QString installFolder() override;
    QString userDataFolder() override;
    QString openInBrowser(const QString &file) override;
    QString startProgram(const QString &program, const QStringList &arguments) override;
    QString print(const QString &text) override;
    void endProgram() override;
    QByteArray lineEnd() override;
    QStringList dictionaryFolders() override;
};
