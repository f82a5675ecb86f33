#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <atomic>

// One thing HTML Tidy says about a page, where it says it.
struct Finding
{
    int line = 0;
    int column = 0;
    QString text; // Tidy's words, as "Warning: ..."
};

// HTML Tidy's warnings and errors about a page given as UTF-8, in document order. The
// tags the program itself inserts count as known; columns count characters, a tab as one.
// Once `cancelled` is set, Tidy sees the page end there and the check ends soon after.
QList<Finding> checkHtml(const QByteArray &utf8, const std::atomic<bool> *cancelled = nullptr);
