// The computer's clock behind the Clock interface.
#include "clock.h"

namespace {
class SystemClock : public Clock
{
public:
    QDateTime now() const override { return QDateTime::currentDateTimeUtc(); }
};
} // namespace

Clock::~Clock() = default;

Clock &Clock::system()
{
    static SystemClock clock;
    return clock;
}
