// Advertising and browsing through the desktop's DNS-SD daemon (Avahi), on the main thread.
#pragma once

#include "peerdiscovery.h"
#include "qtavahipoll.h"

#include <avahi-client/client.h>
#include <avahi-client/lookup.h>
#include <avahi-client/publish.h>

// One client of the daemon serves both the advertisement and the browser. Without the daemon (or without
// a system bus) making the client fails at once; each start then reports the daemon's error text.
// Only IPv4 is advertised and resolved, as our listener takes IPv4 only.
class AvahiDiscovery : public PeerDiscovery
{
    Q_OBJECT

public:
    explicit AvahiDiscovery(QObject *parent = nullptr);
    ~AvahiDiscovery() override;

    void startAdvertising(const PeerIdentity &identity, quint16 port) override;
    void startBrowsing() override;
    QHostAddress listenAddress() const override;

private:
    static void clientChanged(AvahiClient *client, AvahiClientState state, void *userdata);
    static void groupChanged(AvahiEntryGroup *group, AvahiEntryGroupState state, void *userdata);
    static void browsed(AvahiServiceBrowser *browser, AvahiIfIndex interface, AvahiProtocol protocol,
                        AvahiBrowserEvent event, const char *name, const char *type, const char *domain,
                        AvahiLookupResultFlags flags, void *userdata);
    static void resolved(AvahiServiceResolver *resolver, AvahiIfIndex interface, AvahiProtocol protocol,
                         AvahiResolverEvent event, const char *name, const char *type, const char *domain,
                         const char *hostName, const AvahiAddress *address, uint16_t port, AvahiStringList *txt,
                         AvahiLookupResultFlags flags, void *userdata);

    // The client, made when missing; nothing (and the error text) when the daemon cannot be reached.
    AvahiClient *client(QString *error);
    // Adds our service to the entry group and commits it; false (and the error text) when the daemon refuses.
    bool registerService(QString *error);
    void renameAfterCollision();
    void clientFailed(const QString &error);
    void freeClient();
    QString clientError() const;

    QtAvahiPoll m_poll; // outlives the client, which is freed first
    AvahiClient *m_client = nullptr;
    AvahiEntryGroup *m_group = nullptr;
    AvahiServiceBrowser *m_browser = nullptr;
    QByteArray m_serviceName;
    QString m_ownId;
    quint16 m_port = 0;
    bool m_advertising = false;
    bool m_browsing = false;
};
