#include "filestamp.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>

namespace {
// How finely the file system may stamp a write: times in whole seconds come from one
// that counts in seconds (FAT in two); finer ones follow the clock's tick (15.6 ms on
// Windows).
qint64 resolution(qint64 modified)
{
    return modified % 1000 == 0 ? 2000 : 20;
}

QByteArray digestOf(const QString &path)
{
    QFile file(path);
    QCryptographicHash hash(QCryptographicHash::Md5);
    if (!file.open(QIODevice::ReadOnly) || !hash.addData(&file))
        return {};
    return hash.result();
}

qint64 modifiedTime(const QFileInfo &info)
{
    return info.lastModified().toMSecsSinceEpoch();
}
} // namespace

FileStamp FileStamp::of(const QString &path)
{
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    const QFileInfo info(path);
    if (!info.isFile())
        return {}; // nothing to tell apart, and a pipe's content is not for reading twice
    FileStamp stamp{info.size(), modifiedTime(info), {}};
    // Another write within the same tick would leave size and time as they are; only
    // the content can tell then.
    if (now - stamp.modified < resolution(stamp.modified))
        stamp.digest = digestOf(path);
    return stamp;
}

bool FileStamp::isChangedOnDisk(const QString &path) const
{
    const QFileInfo info(path);
    if (size < 0 || !info.exists())
        return false;
    if (info.size() != size || modifiedTime(info) != modified)
        return true;
    return !digest.isEmpty() && digestOf(path) != digest;
}
