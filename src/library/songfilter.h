// The search of the song list: which songs hold a text, ignoring case and diacritics.
#pragma once

#include "derived.h"

#include <QHash>
#include <QList>
#include <QString>

#include <memory>

class Song;
using SongPtr = std::shared_ptr<Song>;

// Keeps every song's searched texts folded, so typing a search folds only the typed text. A folded text
// is reused only while the song still hands out the very string it was folded from (a saved or reloaded
// song makes new ones; see Derived), so the answers are those of folding afresh.
class SongFilter
{
public:
    // The songs, in their order, whose title, subtitle or key holds the text, or else whose plain text
    // holds it; a PDF song's plain text (its document's text) only when searchPDFs is on.
    QList<SongPtr> matching(const QList<SongPtr> &songs, const QString &text, bool searchPDFs);
    // Forgets the folded texts of songs not in the list.
    void keepOnly(const QList<SongPtr> &songs);

private:
    struct SongTexts
    {
        DerivedString title;
        DerivedString subtitle;
        DerivedString key;
        DerivedString plainText;
    };

    QHash<const Song *, SongTexts> m_texts;
};
