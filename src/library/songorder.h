// The orders of song lists: the comparisons of Song, applied to whole lists without folding a title twice.
#pragma once

#include "derived.h"

#include <QList>

#include <memory>
#include <unordered_map>
#include <utility>
#include <vector>

class Song;
using SongPtr = std::shared_ptr<Song>;

// Sorting folds each title, subtitle and key once (Song::comparisonKey) and keeps them for the next sort while the
// song's strings stay the same (see Derived) and the article setting stays as it was; the order is always that of
// Song's comparisons. A list already in order is left as it is.
class SongOrder
{
public:
    // Song::compareTitle, compareSubtitle, compareKey, compareDate and compareTime.
    enum class Comparison { Title, Subtitle, Key, Date, Time };

    // What sorting reads of a song that takes more than a glance, worked out once and kept.
    struct Keys
    {
        DerivedString title;
        DerivedString subtitle;
        DerivedString key; // case-folded
    };

    // The first order the settings turn on: subtitle, key, date, time; else title.
    static Comparison current();
    // The keys of a song holding these strings, as a sort with the setting sortIPodStyle works them out. Any thread.
    static Keys keysOf(const QString &title, const QString &subtitle, const QString &key, bool sortIPodStyle);
    // Keeps keys made elsewhere (while a library loads, on its threads) with the setting sortIPodStyle, so the next
    // sort works out only what has changed since.
    void takePrepared(std::vector<std::pair<const Song *, Keys>> prepared, bool sortIPodStyle);
    // Room for this many more prepared keys, made at once.
    void makeRoom(qsizetype keys);
    // Sorts as the comparison orders; songs the comparison finds equal keep their order.
    void sort(QList<SongPtr> &songs, Comparison comparison);
    // Sorts songs likewise and merges them into sorted, which is in that order already: the same as sorting sorted
    // followed by songs, with one pass over sorted instead of sorting it again.
    void mergeInto(QList<SongPtr> &sorted, QList<SongPtr> songs, Comparison comparison);
    // Forgets what it keeps of songs not in the list.
    void keepOnly(const QList<SongPtr> &songs);

    // A song of a list being sorted, with what the comparisons read.
    struct SortRow;

private:
    // Forgets every key when the articles come or go with the setting.
    void useSortIPodStyle(bool sortIPodStyle);
    // The songs with their keys, numbered from firstIndex on.
    std::vector<SortRow> rowsOf(const QList<SongPtr> &songs, Comparison comparison, qsizetype firstIndex);

    // A node map: the keys stay where they are while others are added.
    std::unordered_map<const Song *, Keys> m_keys;
    bool m_sortIPodStyle = false;
};
