#pragma once

#include <QByteArray>

#include <array>

// A needle searched for in held text byte by byte, with Horspool's skips. Ignoring case
// folds ASCII letters only, as Scintilla's own search does; a UTF-8 needle never matches
// inside a character of UTF-8 text.
class ByteSearch
{
public:
    ByteSearch(const QByteArray &needle, bool matchCase);

    // Where the needle starts first in [text, text + size), or -1.
    qint64 in(const char *text, qint64 size) const;
    qint64 size() const { return m_needle.size(); }

private:
    QByteArray m_needle; // folded
    std::array<unsigned char, 256> m_fold{};
    std::array<qint64, 256> m_skip{};
};
