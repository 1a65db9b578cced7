#include "memoryuse.h"

#include <malloc.h>
#include <sys/resource.h>

qint64 MemoryUse::heapInUse()
{
    const struct mallinfo2 info = mallinfo2();
    return qint64(info.uordblks + info.hblkhd);
}

qint64 MemoryUse::heapKeptFree()
{
    return qint64(mallinfo2().fordblks);
}

qint64 MemoryUse::peakResident()
{
    struct rusage usage = {};
    getrusage(RUSAGE_SELF, &usage);
    return qint64(usage.ru_maxrss) * 1024; // kilobytes on Linux
}
