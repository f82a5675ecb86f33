#pragma once

#include <QString>

class DocumentLoader;
class QWidget;

// Reads a document file into a new editor document in pieces, so that the window stays
// alive: only regular files up to a size limit, and a long read shows its progress with
// a Cancel button.
class FileReader
{
public:
    enum class Outcome { Read, Failed, Cancelled };

    // A read that takes longer than progressDelay milliseconds shows its progress.
    FileReader(QWidget *window, int progressDelay);

    // The editor keeps every position in 32 bits, and a Windows-1252 page takes up to three
    // bytes of text for each of its bytes; a 32-bit process runs out of room well before.
    static qint64 sizeLimit();

    Outcome read(const QString &path, DocumentLoader &loader);
    // What to tell the user when the read failed.
    QString failure() const { return m_failure; }

private:
    Outcome fail(const QString &text);

    QWidget *m_window;
    QString m_failure;
    int m_progressDelay;
};
