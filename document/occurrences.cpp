#include "occurrences.h"

#include <algorithm>

std::size_t Occurrences::pieceStart(std::size_t last) const
{
    // Text between two occurrences costs its length twice in the undo history, and each
    // replacement made by itself about a hundred and fifty bytes; a piece stays small, so
    // that no large block of memory is asked for.
    constexpr long joinedGap = 64;
    constexpr long pieceBytes = 64 * 1024;
    const long end = starts[last - 1] + length;
    std::size_t first = last - 1;
    while (first > 0 && starts[first] - (starts[first - 1] + length) <= joinedGap
           && end - starts[first - 1] <= pieceBytes)
        --first;
    return first;
}

QByteArray Occurrences::piece(const char *held, std::size_t first, std::size_t last) const
{
    const long start = starts[first];
    QByteArray piece;
    piece.reserve(int(starts[last - 1] + length - start + (last - first) * replacement.size()));
    long at = start;
    for (std::size_t i = first; i < last; ++i) {
        piece.append(held + (at - start), int(starts[i] - at));
        piece.append(replacement);
        at = starts[i] + length;
    }
    return piece;
}

long Occurrences::moved(long position) const
{
    const auto before = std::lower_bound(starts.begin(), starts.end(), position);
    const long count = long(before - starts.begin());
    const long grown = long(replacement.size()) - length;
    // Inside an occurrence: at the start of its replacement.
    if (count > 0 && position < *(before - 1) + length)
        return *(before - 1) + (count - 1) * grown;
    return position + count * grown;
}
