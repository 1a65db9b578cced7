// The edits of a playlist: adding, moving and deleting entries, shuffling and sorting with one undo,
// following renamed songs, and the totals.
#include "playlist.h"

#include "appcontext.h"
#include "song.h"
#include "songorder.h"
#include "songs.h"

#include <QRandomGenerator>

#include <algorithm>

namespace {

// The library's song for an entry; nullptr while there is no library or it holds no such song.
SongPtr resolved(const SongPtr &entry)
{
    Songs *library = AppContext::instance()->songs();
    return library ? library->songForSong(entry) : nullptr;
}

// An entry names a song by its title and subtitle; a missing subtitle and an empty one are the same.
bool namesSong(const Song &entry, const Song &song)
{
    return !entry.isNote() && entry.title() == song.title() && entry.subtitle() == song.subtitle();
}

// The playlist's key for the entry, else the library song's; an empty playlist key counts as set.
std::optional<QString> effectiveKey(const SongPtr &entry)
{
    if (entry->playlistkey())
        return entry->playlistkey();
    if (const SongPtr song = resolved(entry))
        return song->key();
    return std::nullopt;
}

} // namespace

PlayList::PlayList() = default;

void PlayList::addSong(const SongPtr &song)
{
    m_originalSongs.reset();
    m_songs.append(song);
}

void PlayList::insertSong(const SongPtr &song, int index)
{
    m_originalSongs.reset();
    m_songs.insert(std::clamp<qsizetype>(index, 0, m_songs.size()), song);
}

void PlayList::deleteSongAtIndex(int index)
{
    m_originalSongs.reset();
    if (index >= 0 && index < m_songs.size())
        m_songs.removeAt(index);
}

void PlayList::deleteSong(const Song &song)
{
    m_originalSongs.reset();
    const int index = indexOfSong(song);
    if (index >= 0)
        m_songs.removeAt(index);
}

int PlayList::indexOfSong(const Song &song) const
{
    for (qsizetype index = 0; index < m_songs.size(); ++index)
        if (namesSong(*m_songs.at(index), song))
            return int(index);
    return -1;
}

bool PlayList::containsSong(const Song &song) const
{
    return indexOfSong(song) != -1;
}

bool PlayList::moveSong(int from, int to)
{
    if (from < 0 || from >= m_songs.size() || to < 0 || to >= m_songs.size())
        return false;
    m_songs.move(from, to);
    return true;
}

void PlayList::shuffle(const RandomBelow &randomBelow)
{
    keepOrderForUndo();
    const RandomBelow draw =
        randomBelow ? randomBelow : [](int bound) { return int(QRandomGenerator::global()->bounded(bound)); };
    const int count = int(m_songs.size());
    // As many exchanges as entries, each of two positions drawn on their own (they may be the same).
    for (int swap = 0; swap < count; ++swap) {
        const int first = draw(count);
        const int second = draw(count);
        m_songs.swapItemsAt(first, second);
    }
}

void PlayList::sortByTitle()
{
    keepOrderForUndo();
    SongOrder().sort(m_songs, SongOrder::Comparison::Title);
}

void PlayList::sortBySubTitle()
{
    keepOrderForUndo();
    SongOrder().sort(m_songs, SongOrder::Comparison::Subtitle);
}

void PlayList::sortByKey()
{
    keepOrderForUndo();
    struct Keyed
    {
        std::optional<QString> key;
        SongPtr entry;
    };
    QList<Keyed> keyed;
    keyed.reserve(m_songs.size());
    for (const SongPtr &entry : std::as_const(m_songs))
        keyed.append({effectiveKey(entry), entry});
    // Keys compare case-sensitively; entries without any key go last.
    std::stable_sort(keyed.begin(), keyed.end(), [](const Keyed &a, const Keyed &b) {
        if (!a.key || !b.key)
            return a.key.has_value() && !b.key.has_value();
        return QString::compare(*a.key, *b.key, Qt::CaseSensitive) < 0;
    });
    for (qsizetype index = 0; index < keyed.size(); ++index)
        m_songs[index] = keyed.at(index).entry;
}

void PlayList::undoSort()
{
    if (m_originalSongs)
        m_songs = *m_originalSongs;
    m_originalSongs.reset();
}

bool PlayList::updateSong(const Song &oldSong, const Song &newSong)
{
    bool changed = false;
    for (const SongPtr &entry : std::as_const(m_songs)) {
        if (!namesSong(*entry, oldSong))
            continue;
        entry->setTitle(newSong.title());
        entry->setSubtitle(newSong.subtitle());
        changed = true;
    }
    return changed;
}

int PlayList::totalPlayingTime() const
{
    int total = 0;
    for (const SongPtr &entry : m_songs) {
        const SongPtr song = resolved(entry);
        if (!song)
            continue;
        const int time = song->playingTime();
        if (time == 0 && !song->isNote())
            return 0; // one song without a time spoils the total
        total += time;
    }
    return total;
}

int PlayList::songsCount() const
{
    return int(std::count_if(m_songs.begin(), m_songs.end(), [](const SongPtr &entry) { return !entry->isNote(); }));
}

SongPtr PlayList::songForRow(int row) const
{
    return row >= 0 && row < m_songs.size() ? m_songs.at(row) : nullptr;
}
