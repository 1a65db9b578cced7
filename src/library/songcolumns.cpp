// Column texts of the song tables.
#include "songcolumns.h"

#include "chord.h"
#include "chorddisplayoptions.h"
#include "librarysettings.h"
#include "prefs.h"
#include "song.h"
#include "songs.h"

QString SongColumns::title(const QString &title, const Song *song)
{
    return song && !song->musicpath().isEmpty() ? title + QStringLiteral(" \u266B") : title;
}

QString SongColumns::key(const QString &key)
{
    return Chord::displayNameForChordname(key, LibrarySettings::prefs().chordDisplayOptions());
}

QString SongColumns::playingTime(int seconds)
{
    if (seconds == 0)
        return QString();
    return QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

void SongColumns::sortBy(Prefs &prefs, Songs &songs, int column)
{
    prefs.setSortbysubtitle(column == Subtitle);
    prefs.setSortbykey(column == Key);
    prefs.setSortbydate(false);
    prefs.setSortbytime(column == Time);
    prefs.save();
    songs.refresh();
}
