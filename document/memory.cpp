#include "memory.h"

#include <cstdlib> // says whether the C library is glibc

#if defined(__GLIBC__)
#include <malloc.h>
#endif

void returnLargeBlocks()
{
#if defined(__GLIBC__)
    mallopt(M_MMAP_THRESHOLD, 1 << 20);
#endif
}
