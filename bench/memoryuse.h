// How much memory the process holds: what a benchmark reports beside its time.
#pragma once

#include <QtGlobal>

class MemoryUse
{
public:
    // Bytes of heap blocks in use in every arena of the C library's allocator, mapped blocks included.
    static qint64 heapInUse();
    // Bytes of free heap blocks the allocator keeps in its arenas.
    static qint64 heapKeptFree();
    // The process's largest resident set so far, in bytes.
    static qint64 peakResident();
};
