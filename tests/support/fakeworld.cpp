#include "fakeworld.h"

#include <QCoreApplication>
#include <QDir>

QString FakeWorld::ownFolder = QDir::temp().filePath(
    QStringLiteral("quillet-test-%1").arg(QCoreApplication::applicationPid()));

QByteArray FakeWorld::systemLineEnd = "\n";

QString FakeWorld::installFolder()
{
    return ownFolder;
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
