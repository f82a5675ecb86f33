#pragma once

#include <QByteArray>

#include <functional>

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

// Where the first character of UTF-8 text that Windows-1252 has no byte for starts, or -1.
qsizetype firstOutsideWindows1252(const char *data, qsizetype size);

// How a character Windows-1252 has no byte for is written: in the form the place it stands
// in understands, so that a browser still shows it.
enum class Escape {
    Reference, // "&#8594;": text, attribute values, comments
    Script,    // "\u2192", a surrogate pair beyond U+FFFF: JavaScript
    Css,       // "\2192 ": style sheets
};

// UTF-8 as Windows-1252. Every character Windows-1252 holds becomes its byte, so the bytes
// a page was read from come back as they were, whatever was added to them; one it has no
// byte for is written as escapeAt(its offset in data) says. escapeAt is asked for those
// alone, in the order they stand in.
QByteArray toWindows1252(const char *data, qsizetype size,
                         const std::function<Escape(qsizetype)> &escapeAt);
