// Sorting songs with their comparison keys worked out once per song.
#include "songorder.h"

#include "librarysettings.h"
#include "prefs.h"
#include "song.h"

#include <QSet>

#include <algorithm>

namespace {

int sign(int value)
{
    return (value > 0) - (value < 0);
}

// What the comparisons of Song read, each read once.
struct SortRow
{
    SongPtr song;
    QString title;
    QString subtitle;
    QString key;
    std::optional<qint64> date;
    int playingTime = 0;
};

// As Song::compareNewerDateFirst.
int newerDateFirst(const SortRow &a, const SortRow &b)
{
    if (a.date == b.date)
        return 0;
    return a.date > b.date ? -1 : 1;
}

// As Song::compareTitle and Song::compareSubtitle, on the folded keys.
int byTitle(const SortRow &a, const SortRow &b)
{
    if (const int order = sign(a.title.compare(b.title)))
        return order;
    if (const int order = sign(a.subtitle.compare(b.subtitle)))
        return order;
    return newerDateFirst(a, b);
}

int bySubtitle(const SortRow &a, const SortRow &b)
{
    if (const int order = sign(a.subtitle.compare(b.subtitle)))
        return order;
    if (const int order = sign(a.title.compare(b.title)))
        return order;
    return newerDateFirst(a, b);
}

int compare(const SortRow &a, const SortRow &b, SongOrder::Comparison comparison)
{
    switch (comparison) {
    case SongOrder::Comparison::Title:
        return byTitle(a, b);
    case SongOrder::Comparison::Subtitle:
        return bySubtitle(a, b);
    case SongOrder::Comparison::Key:
        if (const int order = sign(QString::compare(a.key, b.key, Qt::CaseInsensitive)))
            return order;
        return byTitle(a, b);
    case SongOrder::Comparison::Date:
        if (const int order = newerDateFirst(a, b))
            return order;
        return byTitle(a, b);
    case SongOrder::Comparison::Time:
        if (a.playingTime != b.playingTime)
            return a.playingTime > b.playingTime ? -1 : 1;
        return byTitle(a, b);
    }
    return 0;
}

} // namespace

SongOrder::Comparison SongOrder::current()
{
    const Prefs &prefs = LibrarySettings::prefs();
    if (prefs.sortbysubtitle())
        return Comparison::Subtitle;
    if (prefs.sortbykey())
        return Comparison::Key;
    if (prefs.sortbydate())
        return Comparison::Date;
    if (prefs.sortbytime())
        return Comparison::Time;
    return Comparison::Title;
}

void SongOrder::sort(QList<SongPtr> &songs, Comparison comparison)
{
    const bool sortIPodStyle = LibrarySettings::prefs().sortIPodStyle();
    if (sortIPodStyle != m_sortIPodStyle)
        m_derived.clear(); // the articles come and go with this setting
    m_sortIPodStyle = sortIPodStyle;
    QList<SortRow> rows;
    rows.reserve(songs.size());
    for (const SongPtr &song : std::as_const(songs)) {
        Derivations &derived = m_derived[song.get()];
        SortRow row{song,
                    derived.title.from(song->title(), Song::comparisonKey),
                    derived.subtitle.from(song->subtitle(), Song::comparisonKey),
                    QString(),
                    song->dateMSecs(),
                    0};
        if (comparison == Comparison::Key)
            row.key = song->key();
        // A playing time of 0 counts as not read, so the song reads its text again each time it is asked.
        if (comparison == Comparison::Time)
            row.playingTime =
                derived.playingTime.from(song->text(), [&song](const QString &) { return song->playingTime(); });
        rows.append(row);
    }
    std::stable_sort(rows.begin(), rows.end(),
                     [comparison](const SortRow &a, const SortRow &b) { return compare(a, b, comparison) < 0; });
    for (qsizetype index = 0; index < rows.size(); ++index)
        songs[index] = rows.at(index).song;
}

void SongOrder::keepOnly(const QList<SongPtr> &songs)
{
    QSet<const Song *> kept;
    for (const SongPtr &song : songs)
        kept.insert(song.get());
    m_derived.removeIf(
        [&kept](const QHash<const Song *, Derivations>::iterator &it) { return !kept.contains(it.key()); });
}
