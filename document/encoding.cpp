#include "encoding.h"

#include <cstdio>
#include <cstring>

namespace {
// The characters of the bytes 0x80 to 0x9F; the undefined ones stand for themselves.
constexpr char16_t windows1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

bool isAsciiWord(const unsigned char *p)
{
    quint64 word;
    std::memcpy(&word, p, sizeof word);
    return !(word & 0x8080808080808080ULL);
}

// Copies the ASCII run at p, which both encodings write alike; returns where it ends.
const unsigned char *copyAscii(QByteArray &out, const unsigned char *p,
                               const unsigned char *end)
{
    const auto *run = p;
    while (end - p >= 8 && isAsciiWord(p))
        p += 8;
    while (p < end && *p < 0x80)
        ++p;
    out.append(reinterpret_cast<const char *>(run), p - run);
    return p;
}

void appendUtf8(QByteArray &out, unsigned int code)
{
    if (code < 0x80) {
        out += char(code);
    } else if (code < 0x800) {
        out += char(0xC0 | (code >> 6));
        out += char(0x80 | (code & 0x3F));
    } else {
        out += char(0xE0 | (code >> 12));
        out += char(0x80 | ((code >> 6) & 0x3F));
        out += char(0x80 | (code & 0x3F));
    }
}

// The Windows-1252 byte of a character, or -1 when there is none.
int windows1252Byte(unsigned int code)
{
    if (code < 0x80 || (code >= 0xA0 && code <= 0xFF))
        return int(code);
    for (int i = 0; i < 32; ++i) {
        if (windows1252High[i] == code)
            return 0x80 + i;
    }
    return -1;
}

// Decodes the UTF-8 sequence at p; returns its length, or 0 when it is not valid.
int decodeUtf8(const unsigned char *p, const unsigned char *end, unsigned int &code)
{
    int length;
    if ((*p & 0xE0) == 0xC0) {
        length = 2;
        code = *p & 0x1F;
    } else if ((*p & 0xF0) == 0xE0) {
        length = 3;
        code = *p & 0x0F;
    } else if ((*p & 0xF8) == 0xF0) {
        length = 4;
        code = *p & 0x07;
    } else {
        return 0;
    }
    if (end - p < length)
        return 0;
    for (int i = 1; i < length; ++i) {
        if ((p[i] & 0xC0) != 0x80)
            return 0;
        code = (code << 6) | (p[i] & 0x3F);
    }
    return length;
}

void appendEscaped(QByteArray &out, unsigned int code, Escape escape)
{
    char text[24];
    int length = 0;
    switch (escape) {
    case Escape::Reference:
        length = std::snprintf(text, sizeof text, "&#%u;", code);
        break;
    case Escape::Script:
        if (code > 0xFFFF) // as the two halves of its UTF-16
            length = std::snprintf(text, sizeof text, "\\u%04X\\u%04X",
                                   0xD800 + ((code - 0x10000) >> 10),
                                   0xDC00 + ((code - 0x10000) & 0x3FF));
        else
            length = std::snprintf(text, sizeof text, "\\u%04X", code);
        break;
    case Escape::Css:
        // The blank ends the escape, so a hex digit after it is not taken in.
        length = std::snprintf(text, sizeof text, "\\%X ", code);
        break;
    }
    out.append(text, length);
}
} // namespace

void Utf8Check::add(const char *data, qsizetype size)
{
    const auto *p = reinterpret_cast<const unsigned char *>(data);
    const auto *end = p + size;
    while (p < end && m_valid) {
        if (m_pending > 0) {
            if ((*p & 0xC0) != 0x80) {
                m_valid = false;
                break;
            }
            m_code = (m_code << 6) | (*p++ & 0x3F);
            if (--m_pending == 0) {
                static const unsigned int smallest[] = {0, 0x80, 0x800, 0x10000};
                m_valid = m_code >= smallest[m_length] && m_code <= 0x10FFFF
                          && (m_code < 0xD800 || m_code > 0xDFFF);
            }
            continue;
        }
        if (end - p >= 8 && isAsciiWord(p)) {
            p += 8;
            continue;
        }
        const unsigned char lead = *p++;
        if (lead < 0x80)
            continue;
        m_ascii = false;
        if ((lead & 0xE0) == 0xC0) {
            m_length = 1;
            m_code = lead & 0x1F;
        } else if ((lead & 0xF0) == 0xE0) {
            m_length = 2;
            m_code = lead & 0x0F;
        } else if ((lead & 0xF8) == 0xF0) {
            m_length = 3;
            m_code = lead & 0x07;
        } else {
            m_valid = false;
            break;
        }
        m_pending = m_length;
    }
}

bool Utf8Check::isValid() const
{
    return m_valid && m_pending == 0;
}

void appendFromWindows1252(QByteArray &out, const char *data, qsizetype size)
{
    out.reserve(out.size() + size + size / 2);
    const auto *p = reinterpret_cast<const unsigned char *>(data);
    const auto *end = p + size;
    while (p < end) {
        p = copyAscii(out, p, end);
        if (p < end) {
            appendUtf8(out, *p < 0xA0 ? windows1252High[*p - 0x80] : *p);
            ++p;
        }
    }
}

qsizetype firstOutsideWindows1252(const char *data, qsizetype size)
{
    const auto *start = reinterpret_cast<const unsigned char *>(data);
    const auto *end = start + size;
    for (const auto *p = start; p < end;) {
        unsigned int code = *p;
        const int length = code < 0x80 ? 1 : decodeUtf8(p, end, code);
        if (length > 0 && windows1252Byte(code) < 0)
            return p - start;
        p += length > 0 ? length : 1;
    }
    return -1;
}

QByteArray toWindows1252(const char *data, qsizetype size,
                         const std::function<Escape(qsizetype)> &escapeAt)
{
    QByteArray out;
    out.reserve(size);
    const auto *start = reinterpret_cast<const unsigned char *>(data);
    const auto *p = start;
    const auto *end = p + size;
    while (p < end) {
        p = copyAscii(out, p, end);
        if (p == end)
            break;
        unsigned int code = 0;
        const int length = decodeUtf8(p, end, code);
        if (length == 0) {
            // Not text the editor makes; kept as it is rather than lost.
            out += char(*p++);
            continue;
        }
        const int byte = windows1252Byte(code);
        if (byte >= 0)
            out += char(byte);
        else
            appendEscaped(out, code, escapeAt(p - start));
        p += length;
    }
    return out;
}
