#pragma once

#include "document/encoding.h"

#include <QByteArray>
#include <QString>

#include <vector>

// Where a word of a page stands: [start, end) of its bytes, references included.
struct PageWord
{
    qsizetype start = 0;
    qsizetype end = 0;

    bool operator==(const PageWord &other) const
    {
        return start == other.start && end == other.end;
    }
};

// The words of a page a visitor reads, which spelling checks: those of the text between
// tags and of the ALT, TITLE and SUMMARY values. Tag and attribute names, other values,
// comments, directives and the contents of SCRIPT, STYLE and XMP give none, nor do web and
// e-mail addresses or words with digits. A character reference that stands for a letter is
// part of its word. Text that begins inside a comment or a script ("-->" before the first
// tag, or the script's end tag) gives no words before that end.
struct WordScan
{
    std::vector<PageWord> words;
    qsizetype end = 0; // how far the bytes were read
};

// The whole text.
std::vector<PageWord> findWords(const QByteArray &text, Encoding encoding = Encoding::Utf8);
// A piece of a longer text: only the words before the last place the text could be cut,
// behind a tag or a comment, else at a blank; scan.end tells where that is (0 when the
// piece has none).
WordScan findWordsInPiece(const QByteArray &piece, Encoding encoding = Encoding::Utf8);

// How far before a place reading may start: the text a caller fetches before it.
constexpr qsizetype readingLookBack = 16 * 1024;

// A place at or before at from which the words at at are read as the page has them: behind
// the last tag end before it, or at the '<' of the tag it stands in; at itself when the
// bytes before it show neither.
qsizetype readingStart(const QByteArray &text, qsizetype at);

// The word's characters, its references read.
QString wordText(const QByteArray &text, const PageWord &word,
                 Encoding encoding = Encoding::Utf8);

// The LANG of the page's BODY start tag, else of its HTML one; empty without either.
QString pageLanguage(const QByteArray &text);
