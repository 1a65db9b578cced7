// Advertising and browsing through the desktop's DNS-SD daemon (Avahi), on the main thread.
#include "avahidiscovery.h"

#include "peeridentity.h"

#include <QCoreApplication>
#include <QTimer>
#include <QtEndian>

#include <avahi-common/alternative.h>
#include <avahi-common/error.h>
#include <avahi-common/malloc.h>
#include <avahi-common/strlst.h>

namespace {

QString errorText(int error)
{
    return QString::fromUtf8(avahi_strerror(error));
}

// The value of a key=value TXT entry; empty when the key is missing.
QString txtValue(AvahiStringList *txt, const char *key)
{
    AvahiStringList *entry = avahi_string_list_find(txt, key);
    char *name = nullptr;
    char *value = nullptr;
    if (!entry || avahi_string_list_get_pair(entry, &name, &value, nullptr) < 0)
        return {};
    const QString text = QString::fromUtf8(value);
    avahi_free(name);
    avahi_free(value);
    return text;
}

} // namespace

AvahiDiscovery::AvahiDiscovery(QObject *parent)
    : PeerDiscovery(parent)
{}

AvahiDiscovery::~AvahiDiscovery()
{
    freeClient();
}

void AvahiDiscovery::startAdvertising(const PeerIdentity &identity, quint16 port)
{
    m_advertising = true;
    m_ownId = identity.idText();
    m_port = port;
    if (m_serviceName.isEmpty())
        m_serviceName = identity.displayName().toUtf8();
    QString error;
    if (!client(&error) || !registerService(&error))
        Q_EMIT advertisingFailed(error);
}

void AvahiDiscovery::startBrowsing()
{
    m_browsing = true;
    QString error;
    AvahiClient *avahi = client(&error);
    if (m_browser)
        avahi_service_browser_free(m_browser);
    m_browser = nullptr;
    if (avahi) {
        m_browser = avahi_service_browser_new(avahi, AVAHI_IF_UNSPEC, AVAHI_PROTO_INET, serviceType, nullptr,
                                              AvahiLookupFlags(0), browsed, this);
        if (!m_browser)
            error = clientError();
    }
    if (!m_browser)
        Q_EMIT browsingFailed(error);
}

QHostAddress AvahiDiscovery::listenAddress() const
{
    return QHostAddress(QHostAddress::AnyIPv4);
}

AvahiClient *AvahiDiscovery::client(QString *error)
{
    if (m_client)
        return m_client;
    int code = 0;
    m_client = avahi_client_new(m_poll.table(), AvahiClientFlags(0), clientChanged, this, &code);
    if (!m_client)
        *error = errorText(code);
    return m_client;
}

bool AvahiDiscovery::registerService(QString *error)
{
    if (!m_group)
        m_group = avahi_entry_group_new(m_client, groupChanged, this);
    if (!m_group) {
        *error = clientError();
        return false;
    }
    avahi_entry_group_reset(m_group);
    const QByteArray version = "Vellorin=" + QCoreApplication::applicationVersion().toUtf8();
    const QByteArray id = "id=" + m_ownId.toUtf8();
    int result = AVAHI_ERR_COLLISION;
    while (result == AVAHI_ERR_COLLISION) {
        result = avahi_entry_group_add_service(m_group, AVAHI_IF_UNSPEC, AVAHI_PROTO_INET, AvahiPublishFlags(0),
                                               m_serviceName.constData(), serviceType, nullptr, nullptr, m_port,
                                               version.constData(), id.constData(), nullptr);
        if (result == AVAHI_ERR_COLLISION)
            renameAfterCollision();
    }
    if (result >= 0)
        result = avahi_entry_group_commit(m_group);
    if (result < 0)
        *error = errorText(result);
    return result >= 0;
}

void AvahiDiscovery::renameAfterCollision()
{
    char *alternative = avahi_alternative_service_name(m_serviceName.constData());
    m_serviceName = alternative;
    avahi_free(alternative);
}

void AvahiDiscovery::clientChanged(AvahiClient *client, AvahiClientState state, void *userdata)
{
    auto *self = static_cast<AvahiDiscovery *>(userdata);
    // A failure while the client is being made is reported by avahi_client_new() itself.
    if (state == AVAHI_CLIENT_FAILURE && client == self->m_client)
        self->clientFailed(errorText(avahi_client_errno(client)));
    else if (state == AVAHI_CLIENT_S_COLLISION || state == AVAHI_CLIENT_S_REGISTERING) {
        // The daemon's host name changed; our records are registered again once it runs.
        if (self->m_group)
            avahi_entry_group_reset(self->m_group);
    } else if (state == AVAHI_CLIENT_S_RUNNING && self->m_group && avahi_entry_group_is_empty(self->m_group)) {
        QString error;
        if (!self->registerService(&error))
            Q_EMIT self->advertisingFailed(error);
    }
}

void AvahiDiscovery::groupChanged(AvahiEntryGroup *group, AvahiEntryGroupState state, void *userdata)
{
    auto *self = static_cast<AvahiDiscovery *>(userdata);
    if (state == AVAHI_ENTRY_GROUP_COLLISION) {
        self->renameAfterCollision();
        QString error;
        if (!self->registerService(&error))
            Q_EMIT self->advertisingFailed(error);
    } else if (state == AVAHI_ENTRY_GROUP_FAILURE) {
        Q_EMIT self->advertisingFailed(errorText(avahi_client_errno(avahi_entry_group_get_client(group))));
    }
}

void AvahiDiscovery::browsed(AvahiServiceBrowser *browser, AvahiIfIndex interface, AvahiProtocol protocol,
                             AvahiBrowserEvent event, const char *name, const char *type, const char *domain,
                             AvahiLookupResultFlags flags, void *userdata)
{
    auto *self = static_cast<AvahiDiscovery *>(userdata);
    if (event == AVAHI_BROWSER_NEW && !(flags & AVAHI_LOOKUP_RESULT_OUR_OWN)) {
        AvahiClient *client = avahi_service_browser_get_client(browser);
        if (!avahi_service_resolver_new(client, interface, protocol, name, type, domain, AVAHI_PROTO_INET,
                                        AvahiLookupFlags(0), resolved, self))
            Q_EMIT self->browsingFailed(self->clientError());
    } else if (event == AVAHI_BROWSER_REMOVE) {
        Q_EMIT self->peerLost(QString::fromUtf8(name));
    } else if (event == AVAHI_BROWSER_FAILURE) {
        Q_EMIT self->browsingFailed(self->clientError());
    }
}

void AvahiDiscovery::resolved(AvahiServiceResolver *resolver, AvahiIfIndex, AvahiProtocol, AvahiResolverEvent event,
                              const char *name, const char *, const char *, const char *, const AvahiAddress *address,
                              uint16_t port, AvahiStringList *txt, AvahiLookupResultFlags, void *userdata)
{
    auto *self = static_cast<AvahiDiscovery *>(userdata);
    if (event == AVAHI_RESOLVER_FOUND && address->proto == AVAHI_PROTO_INET) {
        FoundPeer peer{QString::fromUtf8(name), txtValue(txt, "id"),
                       QHostAddress(qFromBigEndian(address->data.ipv4.address)), port};
        // Another process of ours on this host is a peer; only our own advertisement is not.
        if (peer.id != self->m_ownId)
            Q_EMIT self->peerFound(peer);
    }
    avahi_service_resolver_free(resolver);
}

void AvahiDiscovery::clientFailed(const QString &error)
{
    // The client cannot be freed inside its own callback; the next start makes a new one.
    QTimer::singleShot(0, this, [this] { freeClient(); });
    if (m_advertising)
        Q_EMIT advertisingFailed(error);
    if (m_browsing)
        Q_EMIT browsingFailed(error);
}

void AvahiDiscovery::freeClient()
{
    // Freeing the client frees its groups, browsers and resolvers too.
    if (m_client)
        avahi_client_free(m_client);
    m_client = nullptr;
    m_group = nullptr;
    m_browser = nullptr;
}

QString AvahiDiscovery::clientError() const
{
    return errorText(avahi_client_errno(m_client));
}
