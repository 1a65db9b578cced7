// Runs the DNS-SD client library on Qt's event loop: its file and time watches become socket notifiers and timers.
#include "qtavahipoll.h"

#include <QSocketNotifier>
#include <QTimer>

#include <sys/time.h>

#include <algorithm>
#include <limits>

// The library may free a watch or a timeout from inside its own callback, so an object being dispatched is
// only marked then and deleted once the callback has returned. Notifiers and timers are children of the
// poll object, so whatever the library leaves behind goes with it.
struct AvahiWatch
{
    QSocketNotifier *readable = nullptr;
    QSocketNotifier *writable = nullptr;
    AvahiWatchCallback callback = nullptr;
    void *userdata = nullptr;
    int fd = -1;
    int happened = 0; // the events being dispatched, 0 outside a callback
    bool dispatching = false;
    bool freed = false;
};

struct AvahiTimeout
{
    QTimer *timer = nullptr;
    AvahiTimeoutCallback callback = nullptr;
    void *userdata = nullptr;
    bool dispatching = false;
    bool freed = false;
};

namespace {

QtAvahiPoll *pollOf(const AvahiPoll *api)
{
    return static_cast<QtAvahiPoll *>(api->userdata);
}

void dispatch(AvahiWatch *watch, AvahiWatchEvent event)
{
    watch->happened = event;
    watch->dispatching = true;
    watch->callback(watch, watch->fd, event, watch->userdata);
    watch->dispatching = false;
    watch->happened = 0;
    if (watch->freed)
        delete watch;
}

void enable(AvahiWatch *watch, AvahiWatchEvent events)
{
    watch->readable->setEnabled(events & AVAHI_WATCH_IN);
    watch->writable->setEnabled(events & AVAHI_WATCH_OUT);
}

// Milliseconds from now until an absolute time of day, never negative.
int msecsUntil(const struct timeval &when)
{
    struct timeval now;
    gettimeofday(&now, nullptr);
    const qint64 msecs = (qint64(when.tv_sec) - now.tv_sec) * 1000 + (qint64(when.tv_usec) - now.tv_usec) / 1000;
    return int(std::clamp<qint64>(msecs, 0, std::numeric_limits<int>::max()));
}

void schedule(AvahiTimeout *timeout, const struct timeval *tv)
{
    if (tv)
        timeout->timer->start(msecsUntil(*tv));
    else
        timeout->timer->stop();
}

} // namespace

QtAvahiPoll::QtAvahiPoll(QObject *parent)
    : QObject(parent)
    , m_table{this, watchNew, watchUpdate, watchGetEvents, watchFree, timeoutNew, timeoutUpdate, timeoutFree}
{}

QtAvahiPoll::~QtAvahiPoll() = default;

AvahiWatch *QtAvahiPoll::watchNew(const AvahiPoll *api, int fd, AvahiWatchEvent events, AvahiWatchCallback callback,
                                  void *userdata)
{
    auto *watch = new AvahiWatch;
    watch->callback = callback;
    watch->userdata = userdata;
    watch->fd = fd;
    watch->readable = new QSocketNotifier(fd, QSocketNotifier::Read, pollOf(api));
    watch->writable = new QSocketNotifier(fd, QSocketNotifier::Write, pollOf(api));
    QObject::connect(watch->readable, &QSocketNotifier::activated, [watch] { dispatch(watch, AVAHI_WATCH_IN); });
    QObject::connect(watch->writable, &QSocketNotifier::activated, [watch] { dispatch(watch, AVAHI_WATCH_OUT); });
    enable(watch, events);
    return watch;
}

void QtAvahiPoll::watchUpdate(AvahiWatch *watch, AvahiWatchEvent events)
{
    enable(watch, events);
}

AvahiWatchEvent QtAvahiPoll::watchGetEvents(AvahiWatch *watch)
{
    return AvahiWatchEvent(watch->happened);
}

void QtAvahiPoll::watchFree(AvahiWatch *watch)
{
    for (QSocketNotifier *notifier : {watch->readable, watch->writable}) {
        notifier->setEnabled(false);
        notifier->disconnect();
        notifier->deleteLater();
    }
    if (watch->dispatching)
        watch->freed = true;
    else
        delete watch;
}

AvahiTimeout *QtAvahiPoll::timeoutNew(const AvahiPoll *api, const struct timeval *tv, AvahiTimeoutCallback callback,
                                      void *userdata)
{
    auto *timeout = new AvahiTimeout;
    timeout->callback = callback;
    timeout->userdata = userdata;
    timeout->timer = new QTimer(pollOf(api));
    timeout->timer->setSingleShot(true);
    QObject::connect(timeout->timer, &QTimer::timeout, [timeout] {
        timeout->dispatching = true;
        timeout->callback(timeout, timeout->userdata);
        timeout->dispatching = false;
        if (timeout->freed)
            delete timeout;
    });
    schedule(timeout, tv);
    return timeout;
}

void QtAvahiPoll::timeoutUpdate(AvahiTimeout *timeout, const struct timeval *tv)
{
    schedule(timeout, tv);
}

void QtAvahiPoll::timeoutFree(AvahiTimeout *timeout)
{
    timeout->timer->stop();
    timeout->timer->disconnect();
    timeout->timer->deleteLater();
    if (timeout->dispatching)
        timeout->freed = true;
    else
        delete timeout;
}
