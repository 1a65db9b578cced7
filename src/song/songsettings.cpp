#include "songsettings.h"

// Placeholder until the settings object lands: the defaults of the settings.
QString SongSettings::currentUser()
{
    return QString();
}

QString SongSettings::currentInstrumentTitle()
{
    return QStringLiteral("Guitar");
}

bool SongSettings::supportTabs()
{
    return true;
}

QString SongSettings::songDirectory()
{
    return QString();
}

bool SongSettings::sortIPodStyle()
{
    return false;
}
