// The shared settings, or their defaults.
#include "librarysettings.h"

#include "appcontext.h"
#include "prefs.h"

const Prefs &LibrarySettings::prefs()
{
    if (const Prefs *shared = AppContext::instance()->prefs())
        return *shared;
    static const Prefs defaults;
    return defaults;
}
