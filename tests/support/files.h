#pragma once

#include <QByteArray>
#include <QString>

// Files on disk as a test prepares and checks them, whole and byte for byte.
void writeFile(const QString &path, const QByteArray &bytes); // a failure ends the test run
// A file everyone may read and nobody write, which Open refuses.
void writeReadOnlyFile(const QString &path, const QByteArray &bytes);
QByteArray readFile(const QString &path);                     // empty when unreadable
