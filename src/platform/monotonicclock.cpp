// The computer's monotonic clock behind the MonotonicClock interface.
#include "monotonicclock.h"

#include <chrono>

namespace {
class SystemMonotonicClock : public MonotonicClock
{
public:
    double seconds() const override
    {
        return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
    }
};
} // namespace

MonotonicClock::~MonotonicClock() = default;

const MonotonicClock &MonotonicClock::system()
{
    static const SystemMonotonicClock clock;
    return clock;
}
