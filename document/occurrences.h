#pragma once

#include <QByteArray>

#include <cstddef>
#include <vector>

// Where Replace All found its text, in the text as it stood, and what goes in its place.
// Occurrences close together are replaced as one piece with the text between them.
struct Occurrences
{
    const std::vector<long> &starts;
    long length;
    QByteArray replacement;

    // The first of the occurrences replaced as one piece with those before `last`.
    std::size_t pieceStart(std::size_t last) const;
    // The piece that takes the place of occurrences [first, last) and the text between
    // them; held is the text from the first occurrence's start on.
    QByteArray piece(const char *held, std::size_t first, std::size_t last) const;
    // Where a place in the text stands once all are replaced.
    long moved(long position) const;
};
