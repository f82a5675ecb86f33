#pragma once

#include <QByteArray>

#include <cstddef>
#include <vector>

// Where Replace All found what it replaces, in the text as it stood, and what goes in place
// of each: one text for all, or for each a text of its own (a regular expression's groups
// put in). Occurrences close together are replaced as one piece with the text between them.
class Occurrences
{
public:
    explicit Occurrences(const QByteArray &replacement = {});

    // Occurrences are added in their order in the text, all with a text of their own or
    // none.
    void add(long start, long end);
    void add(long start, long end, const QByteArray &replacement);

    std::size_t size() const { return m_starts.size(); }
    bool empty() const { return m_starts.empty(); }
    long start(std::size_t i) const { return m_starts[i]; }
    long end(std::size_t i) const { return m_ends[i]; }

    // The first of the occurrences replaced as one piece with those before `last`.
    std::size_t pieceStart(std::size_t last) const;
    // The piece that takes the place of occurrences [first, last) and the text between
    // them; held is the text from the first occurrence's start on.
    QByteArray piece(const char *held, std::size_t first, std::size_t last) const;
    // Where a place in the text stands once all are replaced.
    long moved(long position) const;

private:
    const char *replacement(std::size_t i) const;
    long replacementLength(std::size_t i) const;
    long growth(std::size_t i) const; // of the text, when occurrence i is replaced

    std::vector<long> m_starts;
    std::vector<long> m_ends;
    // The one replacement, or all of their own one after another, each ending at its
    // m_replacementEnds.
    QByteArray m_replacements;
    std::vector<long> m_replacementEnds;
};
