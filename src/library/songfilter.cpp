// Searching songs by their folded texts.
#include "songfilter.h"

#include "pdfsong.h"
#include "searchtext.h"
#include "song.h"

#include <QSet>

const QString &SongFilter::folded(Folded &cache, const QString &source)
{
    // The same string data as last time: the folded form still holds.
    const bool unchanged = cache.source.constData() == source.constData() && cache.source.size() == source.size();
    if (!unchanged) {
        cache.source = source;
        cache.folded = SearchText::folded(source);
    }
    return cache.folded;
}

QList<SongPtr> SongFilter::matching(const QList<SongPtr> &songs, const QString &text, bool searchPDFs)
{
    const QString needle = SearchText::folded(text);
    QList<SongPtr> result;
    for (const SongPtr &song : songs) {
        SongTexts &texts = m_texts[song.get()];
        const bool byName = folded(texts.title, song->title()).contains(needle) ||
                            folded(texts.subtitle, song->subtitle()).contains(needle) ||
                            folded(texts.key, song->key()).contains(needle);
        const bool searchesText = searchPDFs || !dynamic_cast<const PDFSong *>(song.get());
        if (byName || (searchesText && folded(texts.plainText, song->plainText()).contains(needle)))
            result.append(song);
    }
    return result;
}

void SongFilter::keepOnly(const QList<SongPtr> &songs)
{
    QSet<const Song *> kept;
    for (const SongPtr &song : songs)
        kept.insert(song.get());
    m_texts.removeIf([&kept](const QHash<const Song *, SongTexts>::iterator &it) { return !kept.contains(it.key()); });
}
