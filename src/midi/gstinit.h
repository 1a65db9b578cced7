// GStreamer must be set up once per process before any of its elements is made, from whichever part needs it
// first.
#pragma once

class GstInit
{
public:
    // Safe to call from any thread, any number of times.
    static void ensure();
};
