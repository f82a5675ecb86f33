#include "occurrences.h"

#include <algorithm>

Occurrences::Occurrences(const QByteArray &replacement)
    : m_replacements(replacement)
{
}

void Occurrences::add(long start, long end)
{
    m_starts.push_back(start);
    m_ends.push_back(end);
}

void Occurrences::add(long start, long end, const QByteArray &replacement)
{
    add(start, end);
    m_replacements += replacement;
    m_replacementEnds.push_back(m_replacements.size());
}

std::size_t Occurrences::pieceStart(std::size_t last) const
{
    // Text between two occurrences costs its length twice in the undo history, and each
    // replacement made by itself about a hundred and fifty bytes; a piece stays small, so
    // that no large block of memory is asked for.
    constexpr long joinedGap = 64;
    constexpr long pieceBytes = 64 * 1024;
    const long end = m_ends[last - 1];
    std::size_t first = last - 1;
    while (first > 0 && m_starts[first] - m_ends[first - 1] <= joinedGap
           && end - m_starts[first - 1] <= pieceBytes)
        --first;
    return first;
}

QByteArray Occurrences::piece(const char *held, std::size_t first, std::size_t last) const
{
    const long start = m_starts[first];
    long size = m_ends[last - 1] - start;
    for (std::size_t i = first; i < last; ++i)
        size += growth(i);
    QByteArray piece;
    piece.reserve(int(size));
    long at = start;
    for (std::size_t i = first; i < last; ++i) {
        piece.append(held + (at - start), int(m_starts[i] - at));
        piece.append(replacement(i), int(replacementLength(i)));
        at = m_ends[i];
    }
    return piece;
}

long Occurrences::moved(long position) const
{
    const auto before = std::lower_bound(m_starts.begin(), m_starts.end(), position);
    const std::size_t count = std::size_t(before - m_starts.begin());
    if (count == 0)
        return position;
    long grown = 0;
    for (std::size_t i = 0; i + 1 < count; ++i)
        grown += growth(i);
    // Inside an occurrence: at the start of its replacement.
    if (position < m_ends[count - 1])
        return m_starts[count - 1] + grown;
    return position + grown + growth(count - 1);
}

const char *Occurrences::replacement(std::size_t i) const
{
    const long start = m_replacementEnds.empty() || i == 0 ? 0 : m_replacementEnds[i - 1];
    return m_replacements.constData() + start;
}

long Occurrences::replacementLength(std::size_t i) const
{
    if (m_replacementEnds.empty())
        return m_replacements.size();
    return m_replacementEnds[i] - (i == 0 ? 0 : m_replacementEnds[i - 1]);
}

long Occurrences::growth(std::size_t i) const
{
    return replacementLength(i) - (m_ends[i] - m_starts[i]);
}
