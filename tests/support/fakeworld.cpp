#include "fakeworld.h"

#include <QCoreApplication>
#include <QDir>

QStringList FakeWorld::dictionaries;
QString FakeWorld::ownFolder = QDir::temp().filePath(
    QStringLiteral("quillet-test-%1").arg(QCoreApplication::applicationPid()));

QByteArray FakeWorld::systemLineEnd = "\n";
QString FakeWorld::dataFolder = QDir::temp().filePath(
    QStringLiteral("quillet-test-data-%1").arg(QCoreApplication::applicationPid()));

QString FakeWorld::installFolder()
{
    return ownFolder;
}

QString FakeWorld::userDataFolder()
{
    return dataFolder;
}

QString FakeWorld::openInBrowser(const QString &file)
{
    browserFiles << file;
    return browserFailure;
}

QString FakeWorld::startProgram(const QString &program, const QStringList &arguments)
{
    started << Start{program, arguments};
    return startFailure;
}

QString FakeWorld::print(const QString &text)
{
    printed << text;
    return printFailure;
}

void FakeWorld::endProgram()
{
    ++endings;
}

QByteArray FakeWorld::lineEnd()
{
    return systemLineEnd;
}

QStringList FakeWorld::dictionaryFolders()
{
    return dictionaries;
}
