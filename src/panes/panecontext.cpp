#include "panecontext.h"

#include "appcontext.h"
#include "vellorinappdelegate.h"

namespace PaneContext {

SongPtr currentSong()
{
    const VellorinAppDelegate *application = VellorinAppDelegate::instance();
    return application ? application->currentSong() : nullptr;
}

Prefs *settings()
{
    return AppContext::instance()->prefs();
}

} // namespace PaneContext
