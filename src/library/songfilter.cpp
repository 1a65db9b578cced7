// Searching songs by their folded texts.
#include "songfilter.h"

#include "pdfsong.h"
#include "searchtext.h"
#include "song.h"

#include <QSet>

QList<SongPtr> SongFilter::matching(const QList<SongPtr> &songs, const QString &text, bool searchPDFs)
{
    const QString needle = SearchText::folded(text);
    QList<SongPtr> result;
    for (const SongPtr &song : songs) {
        SongTexts &texts = m_texts[song.get()];
        const bool byName = texts.title.from(song->title(), SearchText::folded).contains(needle) ||
                            texts.subtitle.from(song->subtitle(), SearchText::folded).contains(needle) ||
                            texts.key.from(song->key(), SearchText::folded).contains(needle);
        const bool searchesText = searchPDFs || !dynamic_cast<const PDFSong *>(song.get());
        if (byName || (searchesText && texts.plainText.from(song->plainText(), SearchText::folded).contains(needle)))
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
