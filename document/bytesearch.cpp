#include "bytesearch.h"

ByteSearch::ByteSearch(const QByteArray &needle, bool matchCase)
    : m_needle(needle)
{
    for (int byte = 0; byte < 256; ++byte) {
        const bool upper = byte >= 'A' && byte <= 'Z';
        m_fold[byte] = static_cast<unsigned char>(!matchCase && upper ? byte + ('a' - 'A') : byte);
    }
    for (char &byte : m_needle)
        byte = char(m_fold[static_cast<unsigned char>(byte)]);
    const qint64 length = m_needle.size();
    m_skip.fill(length);
    for (qint64 i = 0; i + 1 < length; ++i)
        m_skip[static_cast<unsigned char>(m_needle.constData()[i])] = length - 1 - i;
}

qint64 ByteSearch::in(const char *text, qint64 size) const
{
    const qint64 length = m_needle.size();
    if (length == 0 || length > size)
        return -1;
    const auto *bytes = reinterpret_cast<const unsigned char *>(text);
    const auto *needle = reinterpret_cast<const unsigned char *>(m_needle.constData());
    const unsigned char last = needle[length - 1];
    for (qint64 at = 0; at + length <= size;) {
        const unsigned char end = m_fold[bytes[at + length - 1]];
        if (end == last) {
            qint64 i = 0;
            while (i + 1 < length && m_fold[bytes[at + i]] == needle[i])
                ++i;
            if (i + 1 == length)
                return at;
        }
        at += m_skip[end];
    }
    return -1;
}
