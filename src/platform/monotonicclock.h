// A clock for intervals, behind an interface so that beat timing can be tested without waiting. Unlike the time of
// day it never jumps when the computer's clock is set.
#pragma once

class MonotonicClock
{
public:
    virtual ~MonotonicClock();

    // Seconds since an arbitrary fixed moment of this run.
    virtual double seconds() const = 0;

    // The computer's monotonic clock; lives for the whole run and may be read from any thread.
    static const MonotonicClock &system();
};
