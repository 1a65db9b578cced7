// How the process's heap hands freed memory back to the system.
#pragma once

class HeapPolicy
{
public:
    // Keeps freed memory in the process for reuse instead of handing it back at once. Printing builds and frees
    // large buffers for every page; handed back each time, that memory was cleared and mapped in afresh for the
    // next page, a third of the printing time. Called first thing in main, before any thread starts.
    static void keepFreedMemory();
};
