// The look-up of a song by reference, title or file name, over an index kept in step with the songs.
#include "songreferenceindex.h"

#include "derived.h"
#include "song.h"

#include <QFileInfo>

#include <limits>

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
        if (!DerivedString::isSameString(song.title(), names.title) ||
            !DerivedString::isSameString(song.subtitle(), names.subtitle))
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
        m_names.append({song.title(), song.subtitle(), QFileInfo(song.path()).fileName()});
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

SongPtr SongReferenceIndex::byReference(const QString &reference, const QList<SongPtr> &current,
                                        const QList<SongPtr> &all) const
{
    const QList<int> candidates = m_byReference.value(reference);
    for (int index : candidates)
        if (all.at(index)->titleSubtitleReference() != reference)
            return nullptr; // renamed since the index was built
    if (candidates.size() > 1) {
        // Songs sharing a reference: the current list's order decides first.
        for (const SongPtr &song : current)
            for (int index : candidates)
                if (all.at(index) == song)
                    return song;
    }
    return candidates.isEmpty() ? nullptr : all.at(candidates.first());
}

SongPtr SongReferenceIndex::find(const Song &entry, const QList<SongPtr> &current, const QList<SongPtr> &all)
{
    if (m_names.size() != all.size())
        build(all);
    const QString reference = entry.titleSubtitleReference();
    if (SongPtr song = byReference(reference, current, all))
        return song;
    // Nothing answers to the reference, so a song may have been renamed to it since the index was built.
    if (isStale(all)) {
        build(all);
        if (SongPtr song = byReference(reference, current, all))
            return song;
    }
    const int byName =
        std::min(firstIndex(m_byTitle, entry.title()), firstIndex(m_byCondensed, entry.titleSubtitleRefCondensed()));
    if (byName != std::numeric_limits<int>::max())
        return all.at(byName);
    if (entry.title().isEmpty())
        return nullptr; // every file name begins with the empty title
    for (qsizetype index = 0; index < all.size(); ++index)
        if (m_names.at(index).fileName.startsWith(entry.title()))
            return all.at(index);
    return nullptr;
}
