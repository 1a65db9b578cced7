// Finds the library's song for a reference without walking the whole library for every look-up.
#pragma once

#include <QHash>
#include <QList>
#include <QString>

#include <memory>

class Song;
using SongPtr = std::shared_ptr<Song>;

// Built over all songs on first use. Titles and subtitles may change after a song is edited and saved: a song
// found by reference is checked to still carry it, and before a look-up goes past the reference passes the
// index checks, by the identity of each song's title and subtitle strings (see DerivedString), that none
// changed, and is built again when one did. So a renamed song is found by its new name, and no longer by its
// old one. (Where a rename makes two songs share a reference, the one the index knew may answer first.)
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
        // A song's file keeps its name: songs that move or are renamed on disk are new songs at the next refresh.
        QString fileName;
    };

    bool isStale(const QList<SongPtr> &all) const;
    // The first song carrying the reference, by the current list's order, then all's; nullptr also when the
    // index's song for it was renamed.
    SongPtr byReference(const QString &reference, const QList<SongPtr> &current, const QList<SongPtr> &all) const;
    void build(const QList<SongPtr> &all);
    static int firstIndex(const QHash<QString, int> &index, const QString &key);

    QList<Names> m_names;
    // Reference to every index in all holding it, in order; title and condensed reference to the first index.
    QHash<QString, QList<int>> m_byReference;
    QHash<QString, int> m_byTitle;
    QHash<QString, int> m_byCondensed;
};
