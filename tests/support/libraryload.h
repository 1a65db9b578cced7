// Waiting in the event loop for the library's background load, as the application's main thread does.
#pragma once

#include "songs.h"

#include <QCoreApplication>
#include <QDeadlineTimer>

// Runs the event loop until the load under way (and any that follows it) has been taken; false when it never is.
inline bool waitForLibrary(const Songs &songs)
{
    const QDeadlineTimer deadline(20000);
    while (songs.isLoading() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return !songs.isLoading();
}
