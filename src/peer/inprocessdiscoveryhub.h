// The meeting place of the in-process discoveries: several sessions of one test process find each other here.
#pragma once

#include "peerdiscovery.h"

#include <QList>
#include <QObject>
#include <QPointer>

#include <optional>

class InProcessDiscovery;

// Every advertisement is seen by every browser but its own, from the event loop, as on a network.
// A test can make starts fail, to see them reported and tried again.
class InProcessDiscoveryHub : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    // The next count starts (of advertising or browsing) fail with the error.
    void failNextStarts(int count, const QString &error);
    // Starts tried so far, failed or not.
    int startAttempts() const { return m_startAttempts; }

    // For InProcessDiscovery: a start, answered with the error when it is to fail.
    std::optional<QString> tryStart();
    void advertise(InProcessDiscovery *discovery, const FoundPeer &peer);
    void browse(InProcessDiscovery *discovery);
    void leave(InProcessDiscovery *discovery);

private:
    struct Advert
    {
        QPointer<InProcessDiscovery> owner;
        FoundPeer peer;
    };

    void tell(InProcessDiscovery *browser, const Advert &advert);

    QList<Advert> m_adverts;
    QList<QPointer<InProcessDiscovery>> m_browsers;
    int m_failuresLeft = 0;
    QString m_failure;
    int m_startAttempts = 0;
};
