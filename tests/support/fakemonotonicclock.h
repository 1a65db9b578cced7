// A monotonic clock that stands still until the test moves it.
#pragma once

#include "monotonicclock.h"

class FakeMonotonicClock : public MonotonicClock
{
public:
    double seconds() const override { return m_seconds; }

    void advance(double seconds) { m_seconds += seconds; }

private:
    double m_seconds = 1000.0;
};
