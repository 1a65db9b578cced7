#include "songfacts.h"

#include "song.h"

#include <QFileInfo>

bool SongFacts::isPdf(const Song &song)
{
    return QFileInfo(song.path()).suffix().compare(QLatin1String("pdf"), Qt::CaseInsensitive) == 0;
}

bool SongFacts::isNote(const Song &song)
{
    Q_UNUSED(song);
    return false;
}

bool SongFacts::isNormalSong(const Song &song)
{
    return !isPdf(song) && !isNote(song);
}

QString SongFacts::linkedAudio(const Song &song)
{
    Q_UNUSED(song);
    return {};
}
