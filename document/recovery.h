#pragma once

#include "filestamp.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>
#include <memory>
#include <optional>

class QIODevice;
class QLockFile;
class TaskThread;

// What a recovery file holds: the document's state and its text.
struct RecoveryRecord
{
    QString fileName;
    bool untitled = true;
    FileStamp stamp;
    qint32 encoding = 0; // Encoding's value
    QByteArray contents; // as the editor holds it
};

bool writeRecord(QIODevice &device, const RecoveryRecord &record);
// The record a recovery file holds; nothing for a file of another format or version,
// or one cut short.
std::optional<RecoveryRecord> readRecord(QIODevice &device);

// Keeps the text that is not saved in a recovery file of this program's own, so that it
// outlives a crash, a power cut or a logout. The file is locked while the program runs,
// so no other program offers or deletes it. The text is taken when typing pauses (at
// most two seconds after an edit) and written by a thread of its own: typing never waits
// for the disk. Only the user can read the folder and the file.
class Recovery : public QObject
{
    Q_OBJECT

public:
    // Fills the record with the document as it stands; the memory of its contents is the
    // last snapshot's, to be reused.
    using Snapshot = std::function<void(RecoveryRecord &)>;
    // Offered a text left behind; true when it was taken back.
    using Restore = std::function<bool(const RecoveryRecord &)>;

    explicit Recovery(Snapshot snapshot);
    ~Recovery() override; // the program ends in order: the file goes

    // Offers the text of each program that was not ended properly, one at a time, until
    // one is restored; a text that is declined is deleted.
    void offerLeftBehind(const Restore &restore);
    // The text was edited: it is kept once typing pauses.
    void schedule();
    // The text needs no keeping any more: saved, or dropped by the user.
    void discard();
    bool isWriting() const { return m_writing; }

signals:
    void written();
    // Told once when the text cannot be kept, and once when it can again.
    void keepingFailed(const QString &reason);
    void keepingResumed();

private:
    void keep();
    void writeFinished(const QString &failure);
    void post(std::function<void()> task);

    // The writer thread's own: which file is this program's, and its lock. Each says what
    // went wrong, or nothing.
    QString write(const RecoveryRecord &record);
    QString claimFile();
    void removeFile();

    Snapshot m_snapshot;
    QTimer m_timer;
    QElapsedTimer m_unkeptSince;
    bool m_writing = false;
    bool m_keepAgain = false; // edited while the writer was busy
    bool m_failing = false; // the last write failed
    RecoveryRecord m_copy; // the last record handed to the writer, its memory kept
    QString m_file;
    std::unique_ptr<QLockFile> m_lock;
    std::unique_ptr<TaskThread> m_writer;
};

// Where the recovery files are: the per-user data folder.
QString recoveryFolder();
