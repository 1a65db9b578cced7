// The settings a song reads, from the shared settings or their defaults.
#include "songsettings.h"

#include "appcontext.h"
#include "prefs.h"

namespace {

// nullptr while no settings object exists; the callers then answer what a new Prefs holds.
const Prefs *shared()
{
    return AppContext::instance()->prefs();
}

} // namespace

QString SongSettings::currentUser()
{
    return shared() ? shared()->currentUser().value_or(QString()) : QString();
}

QString SongSettings::currentInstrumentTitle()
{
    return shared() ? shared()->currentInstrumentTitle() : QStringLiteral("Guitar");
}

bool SongSettings::supportTabs()
{
    return shared() ? shared()->supportTabs() : true;
}

QString SongSettings::songDirectory()
{
    return Prefs::songDirectory();
}

bool SongSettings::sortIPodStyle()
{
    return shared() && shared()->sortIPodStyle();
}
