#pragma once

#include <QByteArray>
#include <QString>

// What a document's file looked like when Quillet last read or wrote it, so that a later
// Save can tell whether another program has written it since.
struct FileStamp
{
    qint64 size = -1;  // -1: nothing known
    qint64 modified = 0; // milliseconds since the epoch
    QByteArray digest; // only when size and time could not tell a later write apart

    // The file as it is now; for a load, taken before reading it.
    static FileStamp of(const QString &path);
    // A file that is gone counts as unchanged: writing it again takes nothing from anyone.
    bool isChangedOnDisk(const QString &path) const;
};
