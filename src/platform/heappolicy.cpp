#include "heappolicy.h"

#include <cstdlib> // defines __GLIBC__ with the C library

#ifdef __GLIBC__
#include <malloc.h>
#endif

void HeapPolicy::keepFreedMemory()
{
#ifdef __GLIBC__
    // Blocks up to 32 MB come from the heap rather than a mapping of their own, and the heap is trimmed once
    // 64 MB lie free at its top: a printed page's buffers fit well within both.
    constexpr int megabyte = 1024 * 1024;
    mallopt(M_MMAP_THRESHOLD, 32 * megabyte);
    mallopt(M_TRIM_THRESHOLD, 64 * megabyte);
#endif
}
