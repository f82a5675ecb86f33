#pragma once

#include <cstdio>
#include <cstdlib>

// A property that does not hold ends the run as a crash does, so that libFuzzer keeps the
// input that broke it.
#define FUZZ_EXPECT(condition)                                                             \
    do {                                                                                   \
        if (!(condition)) {                                                                \
            std::fprintf(stderr, "%s:%d: does not hold: %s\n", __FILE__, __LINE__,         \
                         #condition);                                                      \
            std::abort();                                                                  \
        }                                                                                  \
    } while (false)
