// Runs the DNS-SD client library on Qt's event loop: its file and time watches become socket notifiers and timers.
#pragma once

#include <QObject>

#include <avahi-common/watch.h>

// The client library asks for watches through an AvahiPoll table; this object fills the table and serves it
// on the main thread, so every callback of the library runs there too. It must outlive every client made on it.
class QtAvahiPoll : public QObject
{
    Q_OBJECT

public:
    explicit QtAvahiPoll(QObject *parent = nullptr);
    ~QtAvahiPoll() override;
    QtAvahiPoll(const QtAvahiPoll &) = delete;
    QtAvahiPoll &operator=(const QtAvahiPoll &) = delete;

    const AvahiPoll *table() const { return &m_table; }

private:
    static AvahiWatch *watchNew(const AvahiPoll *api, int fd, AvahiWatchEvent events, AvahiWatchCallback callback,
                                void *userdata);
    static void watchUpdate(AvahiWatch *watch, AvahiWatchEvent events);
    static AvahiWatchEvent watchGetEvents(AvahiWatch *watch);
    static void watchFree(AvahiWatch *watch);
    static AvahiTimeout *timeoutNew(const AvahiPoll *api, const struct timeval *tv, AvahiTimeoutCallback callback,
                                    void *userdata);
    static void timeoutUpdate(AvahiTimeout *timeout, const struct timeval *tv);
    static void timeoutFree(AvahiTimeout *timeout);

    AvahiPoll m_table;
};
