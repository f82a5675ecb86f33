#pragma once

// A place in the text as the user counts it: 1-based, a column per character.
struct TextPosition
{
    int line = 1;
    int column = 1;
};

// A stretch of the held text, from start up to end, in editor positions.
struct TextRange
{
    long start = 0;
    long end = 0;

    bool operator==(const TextRange &other) const
    {
        return start == other.start && end == other.end;
    }
};
