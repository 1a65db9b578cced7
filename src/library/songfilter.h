// The search of the song list: which songs hold a text, ignoring case and diacritics.
#pragma once

#include "derived.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <memory>
#include <unordered_map>
#include <vector>

class Song;
using SongPtr = std::shared_ptr<Song>;

// Keeps every song's searched texts folded and in UTF-8, so typing a search folds only the typed text and
// scans compact bytes. A folded title, subtitle or key is reused only while the song still hands out the very
// string it was folded from (a saved or reloaded song makes new ones; see Derived), a folded plain text only while
// the song's text revision stays the same, so the answers are those of folding afresh. What changed since the
// last search is folded on several threads.
//
// Searching as the user types: each answer is kept, so a search that grows filters only the songs a search it
// holds found, and a letter deleted again finds its earlier answer; no keystroke reads a song. Kept answers
// hold while the list searched is the same, no song is stored and the setting searchPDFs stays as it was: an
// edit shows in the search once it is saved.
class SongFilter
{
public:
    // The plain text of a song text, folded, as UTF-8: what a text song is searched by. Any thread.
    static QByteArray searchableText(const QString &songText);
    // The songs, in their order, whose title, subtitle or key holds the text, or else whose plain text
    // holds it; a PDF song's plain text (its document's text) only when searchPDFs is on.
    QList<SongPtr> matching(const QList<SongPtr> &songs, const QString &text, bool searchPDFs);
    // The folded plain text of a text song, made elsewhere (while a library loads, on its threads) from
    // the text of the song's revision then.
    struct PreparedText
    {
        const Song *song;
        quint64 textRevision;
        QByteArray searchable;
    };
    // Keeps the plain texts prepared, so the first search folds only what has changed since.
    void takePrepared(std::vector<PreparedText> prepared);
    // Forgets the folded texts of songs not in the list, and every kept answer.
    void keepOnly(const QList<SongPtr> &songs);

private:
    struct SongTexts
    {
        Derived<QByteArray> title;
        Derived<QByteArray> subtitle;
        Derived<QByteArray> key;
        Derived<QByteArray, quint64> plainText; // by the song's text revision
    };
    // The folded texts of a song and whether its plain text is searched.
    struct Searched
    {
        const SongTexts *texts;
        bool byPlainText;
    };
    // The songs a search found, in the list's order, each with its texts.
    struct Answer
    {
        QByteArray needle;
        QList<SongPtr> songs;
        std::vector<Searched> searched;
    };

    // The folded texts of the songs, in their order, brought up to date with their strings; what changed is
    // folded on several threads.
    std::vector<Searched> upToDate(const QList<SongPtr> &songs, bool searchPDFs);
    // The songs of the answer whose texts hold the folded needle, scanned on several threads.
    Answer scan(const Answer &within, const QByteArray &needle);
    // Keeps the whole list as the answer to the empty search, its texts brought up to date, unless kept.
    void prepare(const QList<SongPtr> &songs, bool searchPDFs);
    // Drops the kept answers when something they were worked out from may have changed.
    void dropStaleAnswers(const QList<SongPtr> &songs, bool searchPDFs);

    // A node map: the texts stay where they are while others are added.
    std::unordered_map<const Song *, SongTexts> m_texts;
    QList<Answer> m_answers;
    QList<SongPtr> m_answersSongs;
    bool m_answersSearchPDFs = false;
    quint64 m_answersStores = 0;
};
