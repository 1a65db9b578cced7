// The least recently used song texts, forgotten beyond a few.
#include "recentsongtexts.h"

#include "song.h"

namespace {

struct List
{
    Song *newest = nullptr;
    Song *oldest = nullptr;
    int count = 0;
};

List &list()
{
    static List songs;
    return songs;
}

} // namespace

void RecentSongTexts::use(Song &song)
{
    List &songs = list();
    if (songs.newest == &song)
        return;
    leave(song);
    Links &links = song.m_recent;
    links.older = songs.newest;
    if (songs.newest)
        songs.newest->m_recent.newer = &song;
    songs.newest = &song;
    if (!songs.oldest)
        songs.oldest = &song;
    links.listed = true;
    ++songs.count;
    while (songs.count > kCapacity) {
        Song &oldest = *songs.oldest;
        leave(oldest);
        oldest.forgetText();
    }
}

void RecentSongTexts::leave(Song &song)
{
    Links &links = song.m_recent;
    if (!links.listed)
        return;
    List &songs = list();
    // The newest has no newer song, the oldest no older one.
    (links.newer ? links.newer->m_recent.older : songs.newest) = links.older;
    (links.older ? links.older->m_recent.newer : songs.oldest) = links.newer;
    links = Links();
    --songs.count;
}

int RecentSongTexts::count()
{
    return list().count;
}
