#pragma once

#include <QByteArray>
#include <QString>

// Files on disk as a test prepares and checks them, whole and byte for byte.
void writeFile(const QString &path, const QByteArray &bytes); // a failure ends the test run
QByteArray readFile(const QString &path);                     // empty when unreadable
