#pragma once

#include <QString>

#include <functional>

// Where the bytes of a file go as they are read.
class DocumentSink
{
public:
    virtual ~DocumentSink() = default;
    // The file's size as it stood before reading; more or fewer bytes may come.
    virtual void reserve(qint64 size) = 0;
    virtual void add(const char *data, qsizetype size) = 0;
};

// Reads a document file into a sink in pieces, so that the caller can show progress and
// take a Cancel between them: only regular files, up to a size limit.
class FileReader
{
public:
    enum class Outcome { Read, Failed, Cancelled };
    // Told after each piece the bytes read so far and the file's size; false cancels.
    using Progress = std::function<bool(qint64 read, qint64 size)>;

    // The editor keeps every position in 32 bits, and a Windows-1252 page takes up to three
    // bytes of text for each of its bytes; a 32-bit process runs out of room well before.
    static qint64 sizeLimit();

    Outcome read(const QString &path, DocumentSink &sink, const Progress &progress = {});
    // What to tell the user when the read failed.
    QString failure() const { return m_failure; }
    // What to tell the user when the memory ran out while the file was opened.
    static QString tooLargeForMemory(const QString &path);

private:
    Outcome fail(const QString &text);

    QString m_failure;
};
