// The look-up of a song by reference, title or file name, over an index kept in step with the songs.
#include "songreferenceindex.h"

#include "song.h"

#include <QFileInfo>

#include <limits>

namespace {

// The very same string data: an unchanged field of a song still shares the copy the index keeps.
bool isSameString(const QString &a, const QString &b)
{
    return a.constData() == b.constData() && a.size() == b.size();
}

} // namespace

void SongReferenceIndex::clear()
{
    m_names.clear();
    m_byReference.clear();
    m_byTitle.clear();
    m_byCondensed.clear();
}

bool SongReferenceIndex::isStale(const QList<SongPtr> &all) const
{
    if (m_names.size() != all.size())
        return true;
    for (qsizetype index = 0; index < all.size(); ++index) {
        const Song &song = *all.at(index);
        const Names &names = m_names.at(index);
        if (!isSameString(song.title(), names.title) || !isSameString(song.subtitle(), names.subtitle))
            return true;
    }
    return false;
}

void SongReferenceIndex::build(const QList<SongPtr> &all)
{
    clear();
    m_names.reserve(all.size());
    for (qsizetype index = 0; index < all.size(); ++index) {
        const Song &song = *all.at(index);
        m_names.append({song.title(), song.subtitle()});
        m_byReference[song.titleSubtitleReference()].append(int(index));
        // The first song of a name wins.
        if (!m_byTitle.contains(song.title()))
            m_byTitle.insert(song.title(), int(index));
        const QString condensed = song.titleSubtitleRefCondensed();
        if (!m_byCondensed.contains(condensed))
            m_byCondensed.insert(condensed, int(index));
    }
}

int SongReferenceIndex::firstIndex(const QHash<QString, int> &index, const QString &key)
{
    return index.value(key, std::numeric_limits<int>::max());
}

SongPtr SongReferenceIndex::find(const Song &entry, const QList<SongPtr> &current, const QList<SongPtr> &all)
{
    if (isStale(all))
        build(all);
    const QList<int> sameReference = m_byReference.value(entry.titleSubtitleReference());
    if (sameReference.size() > 1) {
        // Songs sharing a reference: the current list's order decides first.
        for (const SongPtr &song : current)
            for (int index : sameReference)
                if (all.at(index) == song)
                    return song;
    }
    if (!sameReference.isEmpty())
        return all.at(sameReference.first());
    const int byName =
        std::min(firstIndex(m_byTitle, entry.title()), firstIndex(m_byCondensed, entry.titleSubtitleRefCondensed()));
    if (byName != std::numeric_limits<int>::max())
        return all.at(byName);
    if (entry.title().isEmpty())
        return nullptr; // every file name begins with the empty title
    for (const SongPtr &song : all)
        if (QFileInfo(song->path()).fileName().startsWith(entry.title()))
            return song;
    return nullptr;
}
