#include "fakeworld.h"

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
