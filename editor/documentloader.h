#pragma once

#include "document/encoding.h"
#include "document/filereader.h"

#include <memory>

class QsciScintilla;

// A new document filled from a file's bytes piece by piece, away from the screen: the
// shown document stays as it is until Editor::adopt() takes this one over.
class DocumentLoader : public DocumentSink
{
public:
    DocumentLoader();
    ~DocumentLoader() override;

    void reserve(qint64 size) override;
    void add(const char *data, qsizetype size) override;

private:
    friend class Editor;
    void holdAsWindows1252(bool heldAscii);
    void makeRoom(const char *data, qsizetype size);
    void append(const char *data, qsizetype size);
    Encoding finish();

    std::unique_ptr<QsciScintilla> m_holder;
    Utf8Check m_utf8;
    Encoding m_encoding = Encoding::Utf8;
    qint64 m_read = 0;
    qint64 m_expected = 0; // the file's size
    bool m_spareBreak = false;
};
