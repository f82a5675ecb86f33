#include "recovery.h"

#include "encoding.h"
#include "taskthread.h"

#include <QCoreApplication>
#include <QDataStream>
#include <QDir>
#include <QLockFile>
#include <QSaveFile>
#include <QStandardPaths>
#include <QtEndian>

#include <algorithm>
#include <functional>
#include <limits>
#include <optional>
#include <utility>

namespace {
constexpr quint32 magic = 0x51524543; // "QREC"
constexpr quint32 formatVersion = 1;
// Copying a large text takes a moment, so it waits for a pause in typing; steady typing
// is still kept every two seconds.
constexpr qint64 pause = 1000;
constexpr qint64 longestDelay = 2000;

const QString dataSuffix = QStringLiteral(".qrec");
const QString lockSuffix = QStringLiteral(".lock");

std::unique_ptr<QLockFile> lockFor(const QString &slot)
{
    auto lock = std::make_unique<QLockFile>(slot + lockSuffix);
    // Only a program that is gone leaves its lock behind; age says nothing.
    lock->setStaleLockTime(0);
    return lock;
}

// The files of one program share a name up to the first dot: "recovery-PID-N".
QStringList slotsIn(const QDir &folder)
{
    QStringList names;
    for (const QString &file : folder.entryList({QStringLiteral("recovery-*")}, QDir::Files))
        names << folder.filePath(file.section(QLatin1Char('.'), 0, 0));
    names.removeDuplicates();
    return names;
}

// The length QDataStream writes before a string or a byte array, when the device holds that
// many bytes after it; all ones stand for a null one, read as empty.
std::optional<quint32> blockLength(QDataStream &in)
{
    constexpr quint32 null = 0xffffffff;
    quint32 length = 0;
    in >> length;
    if (in.status() != QDataStream::Ok)
        return std::nullopt;
    if (length == null)
        return 0;
    if (length > quint32(std::numeric_limits<int>::max())
        || qint64(length) > in.device()->bytesAvailable()) {
        in.setStatus(QDataStream::ReadCorruptData);
        return std::nullopt;
    }
    return length;
}

// QDataStream's own reading takes the memory of a long string or byte array a piece at a
// time, doubling it as it grows, and a megabyte on the word of a damaged length; these take
// it at once, and never more than the file holds.
void readBytes(QDataStream &in, QByteArray &bytes)
{
    const std::optional<quint32> length = blockLength(in);
    if (!length)
        return;
    bytes = QByteArray(int(*length), Qt::Uninitialized);
    if (in.readRawData(bytes.data(), int(*length)) != int(*length))
        in.setStatus(QDataStream::ReadPastEnd);
}

void readString(QDataStream &in, QString &string)
{
    const std::optional<quint32> length = blockLength(in);
    if (!length)
        return;
    if (*length % 2 != 0) {
        in.setStatus(QDataStream::ReadCorruptData);
        return;
    }
    string = QString(int(*length / 2), Qt::Uninitialized);
    if (in.readRawData(reinterpret_cast<char *>(string.data()), int(*length)) != int(*length))
        in.setStatus(QDataStream::ReadPastEnd);
    qFromBigEndian<quint16>(string.data(), string.size(), string.data());
}

// What a program killed while writing leaves: QSaveFile's unfinished copies.
void removeUnfinished(const QString &slot)
{
    const QFileInfo data(slot + dataSuffix);
    QDir folder = data.dir();
    for (const QString &file : folder.entryList({data.fileName() + QStringLiteral(".*")}))
        folder.remove(file);
}
} // namespace

bool writeRecord(QIODevice &device, const RecoveryRecord &record)
{
    QDataStream out(&device);
    out.setVersion(QDataStream::Qt_5_15);
    out << magic << formatVersion << record.fileName << record.untitled << record.stamp.size
        << record.stamp.modified << record.stamp.digest << record.encoding << record.contents;
    return out.status() == QDataStream::Ok;
}

std::optional<RecoveryRecord> readRecord(QIODevice &device)
{
    QDataStream in(&device);
    in.setVersion(QDataStream::Qt_5_15);
    quint32 fileMagic = 0;
    quint32 version = 0;
    in >> fileMagic >> version;
    if (fileMagic != magic || version != formatVersion)
        return std::nullopt;
    RecoveryRecord record;
    readString(in, record.fileName);
    in >> record.untitled >> record.stamp.size >> record.stamp.modified;
    readBytes(in, record.stamp.digest);
    in >> record.encoding;
    readBytes(in, record.contents);
    const bool known = record.encoding == qint32(Encoding::Utf8)
                       || record.encoding == qint32(Encoding::Windows1252);
    if (in.status() != QDataStream::Ok || !known)
        return std::nullopt;
    return record;
}

QString recoveryFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

Recovery::Recovery(Snapshot snapshot)
    : m_snapshot(std::move(snapshot))
{
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &Recovery::keep);
}

Recovery::~Recovery()
{
    discard();
    m_writer.reset();
}

void Recovery::offerLeftBehind(const Restore &restore)
{
    const QString folder = recoveryFolder();
    if (folder.isEmpty())
        return;
    for (const QString &slot : slotsIn(QDir(folder))) {
        std::unique_ptr<QLockFile> lock = lockFor(slot);
        if (!lock->tryLock(0))
            continue; // its program is running
        removeUnfinished(slot);
        const QString path = slot + dataSuffix;
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            continue;
        const std::optional<RecoveryRecord> record = readRecord(file);
        file.close();
        if (!record)
            continue; // not a file this program can read: left as it is
        if (!restore(*record)) {
            QFile::remove(path);
            continue;
        }
        // The text is this program's to keep now, in the same file.
        post([this, path, lock = lock.release()] {
            m_file = path;
            m_lock.reset(lock);
        });
        return;
    }
}

void Recovery::discard()
{
    m_timer.stop();
    m_keepAgain = false;
    m_copy.contents = {};
    if (m_writer)
        post([this] { removeFile(); });
}

void Recovery::schedule()
{
    if (!m_timer.isActive())
        m_unkeptSince.start();
    m_timer.start(int(std::clamp(longestDelay - m_unkeptSince.elapsed(), qint64(0), pause)));
}

void Recovery::keep()
{
    if (m_writing) {
        m_keepAgain = true;
        return;
    }
    m_writing = true;
    m_snapshot(m_copy);
    post([this, record = m_copy]() mutable {
        const QString failure = write(record);
        // Hands the copy's memory back before saying so, for the next copy to reuse.
        record = {};
        QMetaObject::invokeMethod(
            this, [this, failure] { writeFinished(failure); }, Qt::QueuedConnection);
    });
}

void Recovery::writeFinished(const QString &failure)
{
    m_writing = false;
    emit written();
    if (failure.isEmpty() == m_failing) {
        m_failing = !failure.isEmpty();
        if (m_failing)
            emit keepingFailed(failure);
        else
            emit keepingResumed();
    }
    if (std::exchange(m_keepAgain, false))
        keep();
}

void Recovery::post(std::function<void()> task)
{
    if (!m_writer) {
        m_writer = std::make_unique<TaskThread>();
        m_writer->start(QThread::LowPriority);
    }
    m_writer->post(std::move(task));
}

QString Recovery::write(const RecoveryRecord &record)
{
    // A file that cannot be written leaves the last one as it was.
    if (!m_lock) {
        if (const QString failure = claimFile(); !failure.isEmpty())
            return failure;
    }
    QSaveFile file(m_file);
    if (file.open(QIODevice::WriteOnly)) {
        file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        if (writeRecord(file, record) && file.commit())
            return {};
    }
    return file.errorString();
}

QString Recovery::claimFile()
{
    const QString folderPath = recoveryFolder();
    const QDir folder(folderPath);
    const QString shownPath = QDir::toNativeSeparators(folderPath);
    if (folderPath.isEmpty() || !folder.mkpath(QStringLiteral(".")))
        return QStringLiteral("The folder %1 cannot be made.").arg(shownPath);
    // The program's own folder, also where an earlier version made it readable to all.
    QFile::setPermissions(folderPath, QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                          | QFileDevice::ExeOwner);
    const qint64 pid = QCoreApplication::applicationPid();
    for (int n = 1;; ++n) {
        const QString slot = folder.filePath(QStringLiteral("recovery-%1-%2").arg(pid).arg(n));
        if (QFile::exists(slot + dataSuffix))
            continue; // left behind by an earlier program with the same number
        std::unique_ptr<QLockFile> lock = lockFor(slot);
        if (lock->tryLock(0)) {
            m_file = slot + dataSuffix;
            m_lock = std::move(lock);
            return {};
        }
        if (lock->error() != QLockFile::LockFailedError)
            return QStringLiteral("The folder %1 cannot be written.").arg(shownPath);
    }
}

void Recovery::removeFile()
{
    if (!m_lock)
        return;
    QFile::remove(m_file);
    // The lock goes last, so that no program starting now finds the text unlocked.
    m_lock.reset();
}
