// The search of the song list: which songs hold a text, ignoring case and diacritics.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QList>
#include <QString>

#include <memory>
#include <vector>

class Song;
using SongPtr = std::shared_ptr<Song>;

// Keeps every song's searched texts folded and in UTF-8, so typing a search folds only the typed text and
// scans compact bytes. A folded title, subtitle or key is reused only while the song still hands out the string
// it was folded from, the very string or one of the same characters, a folded plain text only while the song's
// text revision stays the same, so the answers are those of folding afresh. What changed since the last search
// is folded on several threads; a library load folds what it reads on its own threads (textsOf), so the first
// search after it only checks that every song still holds those strings and revisions.
//
// Searching as the user types: each answer is kept, so a search that grows filters only the songs a search it
// holds found, and a letter deleted again finds its earlier answer; no keystroke reads a song. Kept answers
// hold while the list searched is the same, no song is stored and the setting searchPDFs stays as it was: an
// edit shows in the search once it is saved.
class SongFilter
{
public:
    // What a song is searched by, folded, as UTF-8, with the strings it was folded from.
    struct SongTexts
    {
        const Song *song = nullptr;
        bool isPDF = false;
        QString title;
        QString subtitle;
        QString key;
        // A text song: the revision of its text the plain text was folded from; 0 before it was folded.
        quint64 textRevision = 0;
        // A PDF song's document text once it was searched; a text song's text only while it waits to be folded,
        // so that no song's whole text is kept here.
        QString text;
        // Title, subtitle and key, each closed by a byte UTF-8 never holds, so no search finds text across two.
        QByteArray heading;
        // The plain text of a text song's text, or a PDF song's document text.
        QByteArray plain;
    };

    // The searched texts of a text song holding these strings; song and textRevision are left for the caller.
    // Any thread.
    static SongTexts textsOf(const QString &title, const QString &subtitle, const QString &key, const QString &text);

    // The songs, in their order, whose title, subtitle or key holds the text, or else whose plain text
    // holds it; a PDF song's plain text (its document's text) only when searchPDFs is on.
    QList<SongPtr> matching(const QList<SongPtr> &songs, const QString &text, bool searchPDFs);
    // Keeps texts made elsewhere (while a library loads, on its threads), so the first search folds only
    // what has changed since.
    void takePrepared(std::vector<SongTexts> prepared);
    // Room for this many more prepared texts, made at once: grown slice by slice, the room of a large load would
    // end up half as large again as it needs.
    void makeRoom(qsizetype texts);
    // Forgets the texts of songs not in the list, and every kept answer.
    void keepOnly(const QList<SongPtr> &songs);

private:
    // What the scan reads of a song, pointing into its texts: laid out one after the other for the list.
    struct Haystacks
    {
        QByteArrayView heading;
        QByteArrayView plain; // empty when the plain text is not searched
    };
    // The songs a search found, in the list's order, each with its texts.
    struct Answer
    {
        QByteArray needle;
        QList<SongPtr> songs;
        std::vector<Haystacks> searched;
    };
    // What of a song's texts (by their index in m_texts) must be folded again.
    struct Refold
    {
        qsizetype texts;
        bool heading;
        bool plain;
    };

    // The texts of the songs, in their order, brought up to date with their strings; what changed is folded on
    // several threads.
    std::vector<Haystacks> upToDate(const QList<SongPtr> &songs, bool searchPDFs);
    // Finds the song's texts (adding them when it has none) and brings the strings they were folded from up to
    // date; says what must be folded again.
    Refold checked(const Song &song, bool searchPDFs);
    // The songs of the answer whose texts hold the folded needle, scanned on several threads.
    Answer scan(const Answer &within, const QByteArray &needle);
    // Keeps the whole list as the answer to the empty search, its texts brought up to date, unless kept.
    void prepare(const QList<SongPtr> &songs, bool searchPDFs);
    // Drops the kept answers when something they were worked out from may have changed.
    void dropStaleAnswers(const QList<SongPtr> &songs, bool searchPDFs);

    // Every song's texts side by side; the answers point into their folded bytes, never at the texts
    // themselves, so adding texts moves nothing they see.
    std::vector<SongTexts> m_texts;
    QHash<const Song *, qsizetype> m_textsIndexes;
    QList<Answer> m_answers;
    QList<SongPtr> m_answersSongs;
    bool m_answersSearchPDFs = false;
    quint64 m_answersStores = 0;
};
