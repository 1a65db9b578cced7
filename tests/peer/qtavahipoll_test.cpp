// The DNS-SD library's watches served by Qt's event loop: file events, timeouts, and the library freeing
// what is being dispatched from inside its own callback.
#include "qtavahipoll.h"

#include <QTest>

#include <gtest/gtest.h>

#include <sys/time.h>
#include <unistd.h>

namespace {

struct Pipe
{
    int fds[2] = {-1, -1};
    Pipe() { EXPECT_EQ(pipe(fds), 0); }
    ~Pipe()
    {
        close(fds[0]);
        close(fds[1]);
    }
};

// What a callback saw, and whether it frees its watch or timeout while being called.
struct Seen
{
    const AvahiPoll *api = nullptr;
    int calls = 0;
    AvahiWatchEvent event{};
    AvahiWatchEvent reported{};
    bool freeInside = false;
};

void onWatch(AvahiWatch *watch, int fd, AvahiWatchEvent event, void *userdata)
{
    auto *seen = static_cast<Seen *>(userdata);
    ++seen->calls;
    seen->event = event;
    seen->reported = seen->api->watch_get_events(watch);
    char byte;
    EXPECT_EQ(read(fd, &byte, 1), 1);
    if (seen->freeInside)
        seen->api->watch_free(watch);
}

void onTimeout(AvahiTimeout *timeout, void *userdata)
{
    auto *seen = static_cast<Seen *>(userdata);
    ++seen->calls;
    if (seen->freeInside)
        seen->api->timeout_free(timeout);
}

struct timeval inMsecs(int msecs)
{
    struct timeval when;
    gettimeofday(&when, nullptr);
    when.tv_usec += msecs * 1000;
    when.tv_sec += when.tv_usec / 1000000;
    when.tv_usec %= 1000000;
    return when;
}

} // namespace

TEST(QtAvahiPoll, AReadableFileCallsItsWatchWhichMayFreeItself)
{
    QtAvahiPoll poll;
    for (const bool freeInside : {false, true}) {
        Pipe pipe;
        Seen seen{poll.table(), 0, {}, {}, freeInside};
        AvahiWatch *watch = poll.table()->watch_new(poll.table(), pipe.fds[0], AVAHI_WATCH_IN, onWatch, &seen);
        ASSERT_EQ(write(pipe.fds[1], "x", 1), 1);
        ASSERT_TRUE(QTest::qWaitFor([&] { return seen.calls == 1; }, 5000)) << freeInside;
        EXPECT_EQ(seen.event, AVAHI_WATCH_IN);
        EXPECT_EQ(seen.reported, AVAHI_WATCH_IN);
        if (!freeInside) {
            EXPECT_EQ(poll.table()->watch_get_events(watch), 0) << "outside a callback nothing is happening";
            poll.table()->watch_free(watch);
        }
    }
}

TEST(QtAvahiPoll, AWatchForNothingIsNotCalled)
{
    QtAvahiPoll poll;
    Pipe pipe;
    Seen seen{poll.table()};
    AvahiWatch *watch = poll.table()->watch_new(poll.table(), pipe.fds[0], AvahiWatchEvent(0), onWatch, &seen);
    ASSERT_EQ(write(pipe.fds[1], "x", 1), 1);
    QCoreApplication::processEvents();
    EXPECT_EQ(seen.calls, 0);
    poll.table()->watch_update(watch, AVAHI_WATCH_IN);
    EXPECT_TRUE(QTest::qWaitFor([&] { return seen.calls == 1; }, 5000));
    poll.table()->watch_free(watch);
}

TEST(QtAvahiPoll, TimeoutsFireOnceAtTheirTimeAndCanBeDisabled)
{
    QtAvahiPoll poll;
    for (const bool freeInside : {false, true}) {
        Seen seen{poll.table(), 0, {}, {}, freeInside};
        const struct timeval past = inMsecs(-10);
        AvahiTimeout *timeout = poll.table()->timeout_new(poll.table(), &past, onTimeout, &seen);
        ASSERT_TRUE(QTest::qWaitFor([&] { return seen.calls == 1; }, 5000)) << freeInside;
        if (!freeInside)
            poll.table()->timeout_free(timeout);
    }

    Seen disabled{poll.table()};
    const struct timeval soon = inMsecs(1);
    AvahiTimeout *timeout = poll.table()->timeout_new(poll.table(), &soon, onTimeout, &disabled);
    poll.table()->timeout_update(timeout, nullptr);
    QTest::qWait(20);
    EXPECT_EQ(disabled.calls, 0);
    poll.table()->timeout_update(timeout, &soon);
    EXPECT_TRUE(QTest::qWaitFor([&] { return disabled.calls == 1; }, 5000));
    poll.table()->timeout_free(timeout);
}
