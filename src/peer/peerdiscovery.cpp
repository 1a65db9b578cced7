// Finding other devices on the network and being found by them, behind one interface.
#include "peerdiscovery.h"

#include "staticdiscovery.h"

#ifdef VELLORIN_HAVE_AVAHI
#include "avahidiscovery.h"
#endif

PeerDiscovery::~PeerDiscovery() = default;

std::unique_ptr<PeerDiscovery> PeerDiscovery::fromEnvironment()
{
    if (auto fixed = StaticDiscovery::fromEnvironment())
        return fixed;
#ifdef VELLORIN_HAVE_AVAHI
    return std::make_unique<AvahiDiscovery>();
#else
    return nullptr;
#endif
}

bool PeerDiscovery::isAvailable()
{
#ifdef VELLORIN_HAVE_AVAHI
    return true;
#else
    return StaticDiscovery::isConfigured();
#endif
}
