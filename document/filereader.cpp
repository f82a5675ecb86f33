#include "filereader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace {
constexpr qint64 megabyte = 1024 * 1024;
constexpr qint64 chunkSize = megabyte;

// Why something that exists at path is not a file to read, or nothing for a regular file.
// A pipe or a device would never end, or never start, so it is not even opened.
QString notAFile(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists() || info.isFile())
        return {};
    if (info.isDir())
        return QStringLiteral("It is a folder, not a file.");
#ifdef Q_OS_UNIX
    struct stat status;
    if (::stat(QFile::encodeName(path).constData(), &status) == 0) {
        if (S_ISFIFO(status.st_mode))
            return QStringLiteral("It is a pipe, not a file.");
        if (S_ISSOCK(status.st_mode))
            return QStringLiteral("It is a socket, not a file.");
    }
#endif
    return QStringLiteral("It is a device, not a file.");
}

QString couldNotOpen(const QString &path, const QString &reason)
{
    return QStringLiteral("Quillet could not open %1.\r%2")
        .arg(QDir::toNativeSeparators(path), reason);
}

QString tooLarge(const QString &path, const QString &size)
{
    return QStringLiteral("Quillet opens files up to %1 MB; %2 has %3.")
        .arg(FileReader::sizeLimit() / megabyte)
        .arg(QDir::toNativeSeparators(path), size);
}

} // namespace

qint64 FileReader::sizeLimit()
{
    return (sizeof(void *) >= 8 ? 512 : 128) * megabyte;
}

FileReader::Outcome FileReader::read(const QString &path, DocumentSink &sink,
                                     const Progress &progress)
{
    if (const QString reason = notAFile(path); !reason.isEmpty())
        return fail(couldNotOpen(path, reason));
    QFile file(path);
    const qint64 size = QFileInfo(path).size();
    if (size > sizeLimit())
        return fail(tooLarge(path, QStringLiteral("%1 MB").arg((size + megabyte - 1) / megabyte)));
    if (!file.open(QIODevice::ReadOnly))
        return fail(couldNotOpen(path, file.errorString()));
    sink.reserve(size);

    QByteArray chunk(chunkSize, Qt::Uninitialized);
    for (qint64 read = 0;;) {
        const qint64 got = file.read(chunk.data(), chunk.size());
        if (got < 0)
            return fail(couldNotOpen(path, file.errorString()));
        if (got == 0)
            return Outcome::Read;
        // A file that grows while it is read, or never ends, stops here.
        if (read + got > sizeLimit())
            return fail(tooLarge(path, QStringLiteral("more than that")));
        sink.add(chunk.constData(), got);
        read += got;
        if (progress && !progress(read, size))
            return Outcome::Cancelled;
    }
}

QString FileReader::tooLargeForMemory(const QString &path)
{
    return couldNotOpen(path, QStringLiteral("It is too large for the memory Quillet has."));
}

FileReader::Outcome FileReader::fail(const QString &text)
{
    m_failure = text;
    return Outcome::Failed;
}
