// The settings a song reads, taken from the shared settings at the moment of use; their defaults
// while no settings object exists (tests without one, start-up).
#pragma once

#include <QString>

class SongSettings
{
public:
    // Empty when no user is chosen.
    static QString currentUser();
    static QString currentInstrumentTitle();
    static bool supportTabs();
    // The song folder; empty when none is known.
    static QString songDirectory();
    static bool sortIPodStyle();
};
