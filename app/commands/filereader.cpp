#include "filereader.h"

#include "app/editor.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProgressDialog>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

#include <memory>

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

std::unique_ptr<QProgressDialog> progressOf(const QString &path, qint64 size, QWidget *window)
{
    auto progress = std::make_unique<QProgressDialog>(
        QStringLiteral("Opening %1...").arg(QDir::toNativeSeparators(path)),
        QStringLiteral("Cancel"), 0, size > 0 ? int(size / chunkSize) + 1 : 0, window);
    progress->setObjectName(QStringLiteral("Progress"));
    progress->setWindowTitle(QStringLiteral("Quillet"));
    progress->setWindowModality(Qt::WindowModal);
    progress->setMinimumDuration(0);
    progress->setAutoReset(false);
    progress->show();
    return progress;
}
} // namespace

FileReader::FileReader(QWidget *window, int progressDelay)
    : m_window(window)
    , m_progressDelay(progressDelay)
{
}

qint64 FileReader::sizeLimit()
{
    return (sizeof(void *) >= 8 ? 512 : 128) * megabyte;
}

FileReader::Outcome FileReader::read(const QString &path, DocumentLoader &loader)
{
    if (const QString reason = notAFile(path); !reason.isEmpty())
        return fail(couldNotOpen(path, reason));
    QFile file(path);
    const qint64 size = QFileInfo(path).size();
    if (size > sizeLimit())
        return fail(tooLarge(path, QStringLiteral("%1 MB").arg((size + megabyte - 1) / megabyte)));
    if (!file.open(QIODevice::ReadOnly))
        return fail(couldNotOpen(path, file.errorString()));
    loader.reserve(size);

    QElapsedTimer clock;
    clock.start();
    std::unique_ptr<QProgressDialog> progress;
    QByteArray chunk(chunkSize, Qt::Uninitialized);
    for (int pieces = 1;; ++pieces) {
        const qint64 got = file.read(chunk.data(), chunk.size());
        if (got < 0)
            return fail(couldNotOpen(path, file.errorString()));
        if (got == 0)
            return Outcome::Read;
        // A file that grows while it is read, or never ends, stops here.
        if (loader.bytesRead() + got > sizeLimit())
            return fail(tooLarge(path, QStringLiteral("more than that")));
        loader.add(chunk.constData(), got);
        if (!progress && clock.elapsed() >= m_progressDelay)
            progress = progressOf(path, size, m_window);
        if (progress) {
            // The dialog is modal, so only its Cancel button takes input meanwhile.
            progress->setValue(std::min(pieces, progress->maximum()));
            QApplication::processEvents();
            if (progress->wasCanceled())
                return Outcome::Cancelled;
        } else {
            QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        }
    }
}

FileReader::Outcome FileReader::fail(const QString &text)
{
    m_failure = text;
    return Outcome::Failed;
}
