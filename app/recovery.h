#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>

#include <memory>

class Form1;
class QLockFile;
class TaskThread;
struct RecoveryRecord;

// Keeps the text that is not saved in a recovery file of this program's own, so that it
// outlives a crash, a power cut or a logout. The file is locked while the program runs,
// so no other program offers or deletes it. The text is copied when typing pauses (at
// most two seconds after an edit) and written by a thread of its own: typing never waits
// for the disk.
class Recovery : public QObject
{
    Q_OBJECT

public:
    explicit Recovery(Form1 &form);
    ~Recovery() override; // the program ends in order: the file goes

    // Offers the text of each program that was not ended properly, one at a time, until
    // the user restores one; a text the user declines is deleted.
    void offerLeftBehind();
    // The text needs no keeping any more: saved, or dropped by the user.
    void discard();
    bool isWriting() const { return m_writing; }

signals:
    void written();

private:
    void schedule();
    void keep();
    void writeFinished();
    bool restore(const QString &path);
    void post(std::function<void()> task);

    // The writer thread's own: which file is this program's, and its lock.
    void write(const RecoveryRecord &record);
    bool claimFile();
    void removeFile();

    Form1 &m_form;
    QTimer m_timer;
    QElapsedTimer m_unkeptSince;
    bool m_writing = false;
    bool m_keepAgain = false; // edited while the writer was busy
    QByteArray m_copy; // the last text handed to the writer, its memory kept for the next
    QString m_file;
    std::unique_ptr<QLockFile> m_lock;
    std::unique_ptr<TaskThread> m_writer;
};

// Where the recovery files are: the per-user data folder.
QString recoveryFolder();
