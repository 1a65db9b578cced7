// The time of day behind an interface, so that code which waits for days to pass can be tested without waiting.
#pragma once

#include <QDateTime>

class Clock
{
public:
    virtual ~Clock();

    virtual QDateTime now() const = 0;

    // The computer's clock; lives for the whole run.
    static Clock &system();
};
