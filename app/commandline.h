#pragma once

#include <QString>
#include <QStringList>

// What the program was started with. A file opens in the main window at once, with no
// intro window; a reply (help, version, or a complaint about the arguments) is printed
// instead of opening any window.
struct CommandLine
{
    QString file;  // absolute path; empty for the untitled document
    QString reply; // printed on standard output, or on standard error when status is not 0
    int status = 0;

    bool endsAtOnce() const { return !reply.isEmpty(); }
};

// Reads the arguments as QCoreApplication::arguments() gives them (program name first).
CommandLine readCommandLine(const QStringList &arguments);
