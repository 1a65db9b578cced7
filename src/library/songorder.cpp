// Sorting songs with their comparison keys worked out once per song.
#include "songorder.h"

#include "librarysettings.h"
#include "prefs.h"
#include "song.h"

#include <QDateTime>
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
    QDateTime date;
    int playingTime = 0;
};

SortRow sortRow(const SongPtr &song, const QString &title, const QString &subtitle, SongOrder::Comparison comparison)
{
    SortRow row{song, title, subtitle, {}, song->date(), 0};
    if (comparison == SongOrder::Comparison::Key)
        row.key = song->key();
    if (comparison == SongOrder::Comparison::Time)
        row.playingTime = song->playingTime();
    return row;
}

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
        m_folded.clear(); // the articles come and go with this setting
    m_sortIPodStyle = sortIPodStyle;
    QList<SortRow> rows;
    rows.reserve(songs.size());
    for (const SongPtr &song : std::as_const(songs)) {
        FoldedNames &names = m_folded[song.get()];
        rows.append(sortRow(song, names.title.from(song->title(), Song::comparisonKey),
                            names.subtitle.from(song->subtitle(), Song::comparisonKey), comparison));
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
    m_folded.removeIf(
        [&kept](const QHash<const Song *, FoldedNames>::iterator &it) { return !kept.contains(it.key()); });
}
