// Sorting songs with their comparison keys worked out once per song.
#include "songorder.h"

#include "librarysettings.h"
#include "prefs.h"
#include "song.h"

#include <QSet>

#include <algorithm>
#include <vector>

namespace {

int sign(int value)
{
    return (value > 0) - (value < 0);
}

} // namespace

// A song of the list being sorted, with what the comparisons of Song read.
struct SongOrder::SortRow
{
    qsizetype index;
    std::optional<qint64> date;
    const QString *title;
    const QString *subtitle;
    const QString *key;
    int playingTime = 0;
};

namespace {

// The key as QString::compare ignoring case sees it: each character case-folded on its own.
QString caseFoldedKey(const QString &key)
{
    QString folded;
    folded.reserve(key.size());
    for (qsizetype at = 0; at < key.size(); ++at) {
        const QChar unit = key.at(at);
        if (unit.isHighSurrogate() && at + 1 < key.size() && key.at(at + 1).isLowSurrogate()) {
            const char32_t folds = QChar::toCaseFolded(QChar::surrogateToUcs4(unit, key.at(++at)));
            folded.append(QChar(QChar::highSurrogate(folds)));
            folded.append(QChar(QChar::lowSurrogate(folds)));
        } else {
            folded.append(unit.toCaseFolded());
        }
    }
    return folded;
}

// As Song::compareNewerDateFirst.
int newerDateFirst(const SongOrder::SortRow &a, const SongOrder::SortRow &b)
{
    if (a.date == b.date)
        return 0;
    return a.date > b.date ? -1 : 1;
}

// As Song::compareTitle and Song::compareSubtitle, on the folded keys.
int byTitle(const SongOrder::SortRow &a, const SongOrder::SortRow &b)
{
    if (const int order = sign(a.title->compare(*b.title)))
        return order;
    if (const int order = sign(a.subtitle->compare(*b.subtitle)))
        return order;
    return newerDateFirst(a, b);
}

int bySubtitle(const SongOrder::SortRow &a, const SongOrder::SortRow &b)
{
    if (const int order = sign(a.subtitle->compare(*b.subtitle)))
        return order;
    if (const int order = sign(a.title->compare(*b.title)))
        return order;
    return newerDateFirst(a, b);
}

int compare(const SongOrder::SortRow &a, const SongOrder::SortRow &b, SongOrder::Comparison comparison)
{
    switch (comparison) {
    case SongOrder::Comparison::Title:
        return byTitle(a, b);
    case SongOrder::Comparison::Subtitle:
        return bySubtitle(a, b);
    case SongOrder::Comparison::Key:
        if (const int order = sign(a.key->compare(*b.key)))
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

SongOrder::Keys SongOrder::keysOf(const QString &title, const QString &subtitle, const QString &key, bool sortIPodStyle)
{
    Keys keys;
    keys.title.seed(title, Song::comparisonKey(title, sortIPodStyle));
    keys.subtitle.seed(subtitle, Song::comparisonKey(subtitle, sortIPodStyle));
    keys.key.seed(key, caseFoldedKey(key));
    return keys;
}

void SongOrder::takePrepared(std::vector<std::pair<const Song *, Keys>> prepared, bool sortIPodStyle)
{
    useSortIPodStyle(sortIPodStyle);
    for (auto &[song, keys] : prepared)
        m_keys.insert_or_assign(song, std::move(keys));
}

void SongOrder::makeRoom(qsizetype keys)
{
    m_keys.reserve(m_keys.size() + size_t(keys));
}

void SongOrder::useSortIPodStyle(bool sortIPodStyle)
{
    if (sortIPodStyle != m_sortIPodStyle)
        m_keys.clear();
    m_sortIPodStyle = sortIPodStyle;
}

void SongOrder::sort(QList<SongPtr> &songs, Comparison comparison)
{
    useSortIPodStyle(LibrarySettings::prefs().sortIPodStyle());
    std::vector<SortRow> rows = rowsOf(songs, comparison, 0);
    const auto before = [comparison](const SongOrder::SortRow &a, const SongOrder::SortRow &b) {
        return compare(a, b, comparison) < 0;
    };
    // A filtered list mostly comes in order already.
    if (std::is_sorted(rows.begin(), rows.end(), before))
        return;
    std::stable_sort(rows.begin(), rows.end(), before);
    QList<SongPtr> sorted;
    sorted.reserve(songs.size());
    for (const SortRow &row : rows)
        sorted.append(songs.at(row.index));
    songs = std::move(sorted);
}

void SongOrder::mergeInto(QList<SongPtr> &sorted, QList<SongPtr> songs, Comparison comparison)
{
    sort(songs, comparison);
    const std::vector<SortRow> rows = rowsOf(sorted, comparison, 0);
    const std::vector<SortRow> more = rowsOf(songs, comparison, sorted.size());
    std::vector<SortRow> merged(rows.size() + more.size());
    // Equal songs keep sorted's first, as a stable sort of sorted followed by songs would.
    std::merge(rows.begin(), rows.end(), more.begin(), more.end(), merged.begin(),
               [comparison](const SongOrder::SortRow &a, const SongOrder::SortRow &b) {
                   return compare(a, b, comparison) < 0;
               });
    QList<SongPtr> result;
    result.reserve(qsizetype(merged.size()));
    for (const SortRow &row : merged)
        result.append(row.index < sorted.size() ? sorted.at(row.index) : songs.at(row.index - sorted.size()));
    sorted = std::move(result);
}

std::vector<SongOrder::SortRow> SongOrder::rowsOf(const QList<SongPtr> &songs, Comparison comparison,
                                                  qsizetype firstIndex)
{
    const auto comparisonKey = [this](const QString &string) { return Song::comparisonKey(string, m_sortIPodStyle); };
    std::vector<SortRow> rows;
    rows.reserve(size_t(songs.size()));
    for (qsizetype index = 0; index < songs.size(); ++index) {
        const SongPtr &song = songs.at(index);
        Keys &keys = m_keys[song.get()];
        SortRow row{firstIndex + index,
                    song->dateMSecs(),
                    &keys.title.from(song->title(), comparisonKey),
                    &keys.subtitle.from(song->subtitle(), comparisonKey),
                    nullptr,
                    0};
        if (comparison == Comparison::Key)
            row.key = &keys.key.from(song->key(), caseFoldedKey);
        // The song keeps its playing time, read with its file.
        if (comparison == Comparison::Time)
            row.playingTime = song->playingTime();
        rows.push_back(row);
    }
    return rows;
}

void SongOrder::keepOnly(const QList<SongPtr> &songs)
{
    QSet<const Song *> kept;
    for (const SongPtr &song : songs)
        kept.insert(song.get());
    std::erase_if(m_keys, [&kept](const auto &entry) { return !kept.contains(entry.first); });
}
