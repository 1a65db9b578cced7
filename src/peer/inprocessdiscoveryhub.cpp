// The meeting place of the in-process discoveries: several sessions of one test process find each other here.
#include "inprocessdiscoveryhub.h"

#include "inprocessdiscovery.h"

#include <QTimer>

void InProcessDiscoveryHub::failNextStarts(int count, const QString &error)
{
    m_failuresLeft = count;
    m_failure = error;
}

std::optional<QString> InProcessDiscoveryHub::tryStart()
{
    ++m_startAttempts;
    if (m_failuresLeft == 0)
        return std::nullopt;
    --m_failuresLeft;
    return m_failure;
}

void InProcessDiscoveryHub::advertise(InProcessDiscovery *discovery, const FoundPeer &peer)
{
    const Advert advert{discovery, peer};
    m_adverts.append(advert);
    for (const auto &browser : std::as_const(m_browsers))
        tell(browser, advert);
}

void InProcessDiscoveryHub::browse(InProcessDiscovery *discovery)
{
    m_browsers.append(discovery);
    for (const Advert &advert : std::as_const(m_adverts))
        tell(discovery, advert);
}

void InProcessDiscoveryHub::leave(InProcessDiscovery *discovery)
{
    m_browsers.removeAll(discovery);
    QList<Advert> gone;
    for (qsizetype i = m_adverts.size() - 1; i >= 0; --i) {
        if (m_adverts.at(i).owner == discovery || !m_adverts.at(i).owner)
            gone.append(m_adverts.takeAt(i));
    }
    for (const Advert &advert : std::as_const(gone)) {
        for (const auto &browser : std::as_const(m_browsers)) {
            if (browser)
                QTimer::singleShot(0, browser, [browser, name = advert.peer.name] { Q_EMIT browser->peerLost(name); });
        }
    }
}

void InProcessDiscoveryHub::tell(InProcessDiscovery *browser, const Advert &advert)
{
    if (!browser || browser == advert.owner)
        return;
    QTimer::singleShot(0, browser, [browser, peer = advert.peer] { Q_EMIT browser->peerFound(peer); });
}
