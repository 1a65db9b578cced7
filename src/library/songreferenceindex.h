// Finds the library's song for a reference without walking the whole library for every look-up.
#pragma once

#include <QHash>
#include <QList>
#include <QString>

#include <memory>

class Song;
using SongPtr = std::shared_ptr<Song>;

// Built over all songs on first use. Titles and subtitles may change after a song is edited and saved, so
// every look-up first checks, by the identity of each song's title and subtitle strings, that none changed
// since, and builds the index again when one did: the answers are those of walking the lists.
class SongReferenceIndex
{
public:
    // Forgets the index; the next look-up builds it over the songs it is given.
    void clear();
    // The passes of the look-up, first hit wins: among current, the first song (in current's order) with the
    // entry's title-subtitle reference; among all (in order) the first with that reference; the first of all
    // whose title equals the entry's or whose condensed reference equals the entry's; the first of all whose
    // file name begins with the entry's title, unless that title is empty. Every song of current must be in all.
    SongPtr find(const Song &entry, const QList<SongPtr> &current, const QList<SongPtr> &all);

private:
    struct Names
    {
        QString title;
        QString subtitle;
    };

    bool isStale(const QList<SongPtr> &all) const;
    void build(const QList<SongPtr> &all);
    static int firstIndex(const QHash<QString, int> &index, const QString &key);

    QList<Names> m_names;
    // Reference to every index in all holding it, in order; title and condensed reference to the first index.
    QHash<QString, QList<int>> m_byReference;
    QHash<QString, int> m_byTitle;
    QHash<QString, int> m_byCondensed;
};
