#pragma once

#include <QByteArray>

// How a document file's bytes stand for its text. The editor always holds UTF-8; a file
// that is not valid UTF-8 is a Windows-1252 page and is converted on the way in and out.
enum class Encoding { Utf8, Windows1252 };

// Tells whether bytes handed over piece by piece are valid UTF-8.
class Utf8Check
{
public:
    void add(const char *data, qsizetype size);
    bool isValid() const;
    bool hasFailed() const { return !m_valid; } // an end cut short is no failure yet
    bool isAscii() const { return m_ascii; }

private:
    bool m_valid = true;
    bool m_ascii = true;
    int m_pending = 0; // continuation bytes still expected
    int m_length = 0;
    unsigned int m_code = 0;
};

// Windows-1252 bytes as UTF-8, appended to out. Every byte has a character of its own (the
// five bytes Windows-1252 leaves undefined become U+0081, U+008D, U+008F, U+0090 and
// U+009D), so toWindows1252() gives back the bytes it was given.
void appendFromWindows1252(QByteArray &out, const char *data, qsizetype size);
// UTF-8 as Windows-1252; a character Windows-1252 has no byte for is written as a decimal
// character reference ("&#20013;"), so a browser still shows it. Bytes that would open
// again as UTF-8 have every character beyond ASCII written so.
QByteArray toWindows1252(const char *data, qsizetype size);
