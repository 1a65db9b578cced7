// One song: the text of one song file, the directives that carry its metadata, and its file on disk.
#pragma once

#include "filestamp.h"
#include "midievent.h"
#include "recentsongtexts.h"
#include "textrange.h"

#include <QDateTime>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

#include <atomic>
#include <memory>
#include <optional>

class AttributedText;
class Chord;
class Instrument;
class Song;
class SongMetadataScan;
struct SongFileContent;
// Songs are shared by the library, the playlists and the song on display.
using SongPtr = std::shared_ptr<Song>;

// The text is the single source of truth: every piece of metadata lives in it as a directive
// ("{name: value}"), and every setter rewrites the text and saves the file at once. Readers cache
// what they read until the next save. All offsets and lengths are UTF-16 units.
//
// A text that is the same as its file's stays in memory only while the song is held (TextHold) or among the
// recently used (RecentSongTexts); otherwise the song reads it from its file again when asked. A file that is
// no longer the one read (another stamp) is then read as a reload reads it, never as the old text. Every other
// text (unsaved changes, no file yet, a file that could not be read) is always kept.
class Song
{
public:
    // A new, unsaved song holding an empty title and subtitle directive.
    Song();
    // The song stored at path. A file that cannot be read gives an empty text, is logged, and is
    // never saved over (see loadFailed()).
    explicit Song(const QString &path);
    // The same, for a file whose stamp the caller has just taken: the file is looked at only once.
    Song(const QString &path, const FileStamp &stamp);
    // The same, with the file's content already read (on another thread, say).
    Song(const QString &path, const FileStamp &stamp, SongFileContent content);
    // A new, unsaved song named by a reference "title - subtitle" (a playlist entry, a peer's message).
    static SongPtr fromTitleSubtitleReference(const QString &reference);
    virtual ~Song();
    Song(const Song &) = delete;
    Song &operator=(const Song &) = delete;

    // --- Files ---
    // Reads the text again; every cached value is cleared first. False for a song without a file (nothing
    // changes) and when the file cannot be read (the text is then empty and the song never saved).
    virtual bool reloadFromDisk();
    // Writes the text atomically as UTF-8, to defaultPath() when the song has no file yet.
    // False (and logged) when the write fails or the file could not be read when loaded. A file that another
    // program changed since the song read or wrote it is never written over: the song reads it again instead
    // (and answers false), unless forgetChangeOnDisk() was called since; a save the user asks for settles that
    // first.
    virtual bool save();
    // Why the last failed save (or move) failed, in words for the user.
    const QString &saveFailure() const { return m_saveFailure; }
    // The file is there and differs in size or modification time from the one the song last read or wrote
    // (another program changed it); false for a song without a file and for a file that is gone.
    bool fileChangedOnDisk() const;
    // The same for the file's stamp a look has just taken.
    bool fileChangedFrom(const FileStamp &now) const;
    // The file as it is now counts as the one read: the next save writes over it.
    void forgetChangeOnDisk();
    // The date becomes the modification time of the file's stamp a look has just taken.
    void updateDate(const FileStamp &stamp);
    // Goes up each time the text is read from or written to where the song is kept, so whoever shows the song
    // can tell the stored text from edits made since. A note is kept in its playlists: it is counted when they are
    // written.
    int storeGeneration() const { return m_storeGeneration; }
    void countStore()
    {
        ++m_storeGeneration;
        s_storesOfAnySong.fetch_add(1, std::memory_order_relaxed);
    }
    // Goes up with every song's store generation: whoever keeps answers worked out from many songs' texts
    // can tell that one of them may have changed.
    static quint64 storesOfAnySong() { return s_storesOfAnySong.load(std::memory_order_relaxed); }
    // True when the file could not be read; such a song never writes over its file.
    bool loadFailed() const { return m_loadFailed; }
    // Where a song without a file is saved: a new, unique name in the song folder or its category folder.
    QString defaultPath() const;
    // The song's name for a file of it, without extension: "<title> - <subtitle>", "Song" without a title.
    QString fileBaseName() const;
    // A name like fileName that no entry of folder uses, ignoring case; characters that cannot stand in a
    // file name are removed, and the name never starts with "." nor exceeds 248 bytes (room for the temporary
    // name of a save, 7 bytes longer). The entry named exactly freeName counts as free: it is the file that a
    // rename replaces.
    static QString uniqueNameForFile(const QString &fileName, const QString &folder,
                                     const QString &freeName = QString());
    // Where a copy of source is put when it is meant to go to destination: destination itself when it is free
    // or already is source, else a unique name beside it, so that another file of that name is never replaced.
    static QString copyDestination(const QString &source, const QString &destination);
    // The name of an export of the song into the folder: fileBaseName() with the extension, made unique (as
    // uniqueNameForFile) only when the folder holds a file of that very name.
    QString exportFileName(const QString &extension, const QString &folder) const;
    // base.extension, the base cut at a character boundary so that the name fits in 248 bytes.
    static QString fittedFileName(const QString &base, const QString &extension);
    // True for a song file of the text format (by extension); the user chord file is none.
    static bool isChordProFile(const QString &path);

    // --- Stored fields ---
    // A copy that stays valid whatever happens to the song's own (see above).
    QString text() const { return heldText(); }
    // Stores the text; clears no cached value (the next save does).
    void setText(const QString &text) { changeText(text); }
    // Changes whenever text() or plainText() may answer differently; never the same for two songs, so whoever keeps
    // what it worked out from a song's text can tell when to work it out again.
    quint64 textRevision() const { return m_textRevision; }
    // Keeps the song's text in memory while it lives, whatever other songs are read meanwhile: for the song on
    // display, whose file may be moved or trashed while it is shown.
    class TextHold
    {
    public:
        TextHold() = default;
        explicit TextHold(SongPtr song);
        ~TextHold();
        TextHold(TextHold &&other) noexcept;
        TextHold &operator=(TextHold &&other) noexcept;

    private:
        SongPtr m_song;
    };
    const QString &title() const { return m_title; }
    void setTitle(const QString &title) { m_title = title; }
    const QString &subtitle() const { return m_subtitle; }
    void setSubtitle(const QString &subtitle) { m_subtitle = subtitle; }
    // The sub-folder of the song folder holding the file; empty for the song folder itself.
    const QString &category() const { return m_category; }
    void setCategory(const QString &category) { m_category = category; }
    // The song's file; empty for a song not saved yet.
    const QString &path() const { return m_path; }
    // A new path forgets what the song knew of its old file; the text stays in memory from then on.
    void setPath(const QString &path);
    // The file's modification time in local time; invalid when unknown.
    QDateTime date() const;
    void setDate(const QDateTime &date);
    // The same in milliseconds since the epoch, which orders as the dates do (nothing before any date).
    const std::optional<qint64> &dateMSecs() const { return m_date; }
    bool isSampleSong() const { return m_isSampleSong; }
    void setIsSampleSong(bool isSampleSong) { m_isSampleSong = isSampleSong; }
    // The key a playlist entry asks for; nullopt when the entry names none (an empty key counts as named).
    const std::optional<QString> &playlistkey() const { return m_playlistkey; }
    void setPlaylistkey(const std::optional<QString> &key) { m_playlistkey = key; }

    // --- Directives (pure functions of a text) ---
    // The value of the first "{control:" (ignoring case) up to the next "}" or the end of the text,
    // without surrounding blanks and tabs; "" when absent.
    static QString valueInText(const QString &text, const QString &control);
    // The first value of "{control:" as the writers read it, ending at its "}" or at the end of its line: the
    // value to read for rewriting it, so that a directive left open never takes the next line along.
    static QString valueOnLineInText(const QString &text, const QString &control);
    // The first non-empty value of the controls, tried in order.
    static QString valueInText(const QString &text, const QStringList &controls);
    // The value of the first occurrence at or after index; index moves behind the found "{control:".
    static QString valueInText(const QString &text, const QString &control, qsizetype &index);
    // The value of a directive whose value starts at start, read as valueInText reads it.
    static QString valueFromInText(const QString &text, qsizetype start);
    // The variant for the current user, else for the current instrument, else the plain directive.
    static QString valueInTextForUserControl(const QString &text, const QString &control);
    // Every value of "{control:" in text order, then those written "{control value}"; a value ends at
    // its "}" or at the end of its line.
    static QStringList valuesInText(const QString &text, const QString &control);
    // Replaces the first value of "{control:", or adds the directive behind the subtitle directive.
    static QString replaceValueInText(const QString &text, const QString &control, const QString &value);
    // Replaces the first value of "{control:" that equals oldValue, or adds the directive.
    static QString replaceValueInText(const QString &text, const QString &control, const QString &value,
                                      const QString &oldValue);
    // Adds "\n{control: value}" behind the subtitle directive (else the title directive, else the end).
    static QString addValueInText(const QString &text, const QString &control, const QString &value);
    static qsizetype posAfterTitleSubtitle(const QString &text);
    // The value as a setter writes it: braces and line breaks, which would end or open a directive,
    // become parentheses and blanks.
    static QString sanitizedDirectiveValue(const QString &value);

    // --- Lines ---
    // The line behind range without its line break (LF, CR, CR-LF, NEL, LS, PS); range becomes the
    // whole line with its break. nullopt at the end of the text. Start with the range (0, 0).
    static std::optional<QString> getNextLineForText(const QString &text, TextRange &range);
    static bool hasNextLineForText(const QString &text, const TextRange &range);
    // The line without directives, keeping the text of comment directives; "" for a "#" comment line.
    static QString stripControlSequencesFromLine(const QString &line);
    // Moves the line's chords into chordLine above their syllables; false (nothing changed) without chords.
    static bool extractChordLine(QString &chordLine, QString &line);
    // Appends the line's lyric pieces and the chord before each; false (nothing changed) without chords.
    static bool breakUpLine(const QString &line, QStringList &lyrics, QStringList &chords);

    // The text without chords, directives and comment lines, for searching.
    virtual QString plainText() const;
    // The plain text of a song text; any thread may ask.
    static QString plainTextOf(const QString &text);

    // --- Exports; each answers whether every file was written, and logs what was not ---
    // The song as chord-over-lyrics text: chords in a line of their own above their syllables, directives
    // left out (comments keep their text), "#" lines dropped. UTF-8.
    bool exportTabtoURL(const QString &path) const;
    // plainText() as UTF-8.
    bool exportTXTtoURL(const QString &path) const;
    // The song as rich text: titles centred, chord rows over lyric rows, or the lyrics alone when the
    // settings show lyrics only.
    bool exportRTFtoURL(const QString &path) const;
    // A chord row over a lyric row ("\n" after each), both padded with non-breaking spaces pair by pair so
    // each chord starts above its lyric piece, in the chord and text fonts of the settings.
    AttributedText formattedTextForChordLine(const QStringList &chords, const QStringList &lyrics) const;
    // The width in points of the text's widest line; 0 for none.
    static qreal widthOfWord(const AttributedText *text);
    // Writes the song's page into the folder (named as the song's default file, as HTML), the shared
    // "vellorin.css" and "vellorin.js" when the folder lacks them, and one diagram image per chord the
    // page links. Failed writes are logged and the export goes on.
    bool exportHTMLtoURL(const QString &folder) const;
    // A chord's image file name without ".png": "/" as "-", then escaped as a URL; forHref escapes it once
    // more for the page, since a browser undoes one level ("C#/G" is "C%23-G", in the page "C%2523-G").
    static QString encodeChordName(const QString &name, bool forHref);

    // --- Title, subtitle and references ---
    virtual void refreshTitleSubtitle();
    // "title - subtitle", or the title alone without a subtitle.
    virtual QString titleSubtitleReference() const;
    // The reference without blanks and "-".
    virtual QString titleSubtitleRefCondensed() const;
    // The title in the quotation marks of the language the user reads, for naming the song in a sentence.
    QString quotedTitle() const;
    QString description() const;

    // --- Metadata; every setter saves at once and answers whether the save succeeded ---
    // The highest fret a capo is read at.
    static constexpr qint64 kHighestCapo = 24;
    // The capo's fret (variant rule); 0 for none, and for a value outside 0..kHighestCapo.
    qint64 capo() const;
    bool setCapo(qint64 capo);
    // Removes the plain capo directive from the text; does not save.
    void deleteCapo();
    int tempo() const;
    bool setTempo(int tempo);
    // Seconds.
    int playingTime() const;
    // The same for a song text; any thread may ask.
    static int playingTimeOf(const QString &text);
    bool setPlayingTime(qint64 seconds);
    // The numerator of the time signature ("3/4" gives 3); 0 without one.
    qint64 metronomeTicksPerBar() const;
    // Seconds of every "pause" directive, in text order.
    QList<float> pauses() const;
    int tempoMetronome() const;
    bool setTempoMetronome(int tempo);
    float zoomScale() const;
    bool setZoomScale(float zoom);
    // The key directive, else the key of the first valid chord among the first three.
    QString key() const;
    // The key a song takes from a text just read, as key() finds it: what the scan of the text found, else the
    // key of its first chords. Any thread.
    static QString keyOfReadText(const SongMetadataScan &scan, const QString &text);
    bool setKey(const QString &key);
    bool hasKey() const;

    // Auto-scroll: the speed maps to a rate in pixels per millisecond; heights are in pixels.
    int playingTimeForTempo(float tempo, float songheight) const;
    int tempoForPlayingTime(int playingTime, float songheight) const;
    float pixPerMsForPlayingTime(int playingTime, float songheight) const;

    // --- Transposition and Nashville numbers ---
    // Moves every chord (bracketed and in grids) and the key directive by step semitones; favor '#' sharps,
    // 'b' flats, 0 the new key's own spelling. Does not save.
    void transpose(qint64 step, QChar favor = QChar());
    // The semitones from the song's key to key (-11..11); 0 when either is empty.
    int deltaForTransposeKey(const QString &key) const;
    // The song's key moved by step (favor 0: the new key's own spelling); nothing without a key.
    std::optional<QString> keyForTransposeDelta(qint64 step, QChar favor = QChar()) const;
    // The bodies of the song's chord grids, sorted.
    QList<TextRange> gridRanges() const;
    // True when the song is written in Nashville numbers.
    bool isNNS() const;
    // Chord names to Nashville numbers relative to the key and back; the key directive stays. Both save.
    bool convertToNNS();
    bool convertFromNNS();

    // --- Tab songs ---
    // True for a tab file (by extension: "tab", "crd").
    static bool isTabFile(const QString &path);
    // False for a tab song: tabs are supported and the text has no title directive.
    virtual bool isChordpro() const;
    // Converts the text into the song text format, with a title directive from the file name first when it
    // has none. Does not save.
    void convertTab();
    static QString convertedTabText(const QString &text);

    // --- Tags, users, chord definitions and linked data ---
    QSet<QString> tags() const;
    // The same, each tag once, without making a set: for going over the tags of every song of a library.
    const QStringList &tagList() const;
    // Appends a tag directive at the end of the text and saves.
    bool addTag(const QString &tag);
    // Removes the first tag directive of exactly that value and saves; false when there is none.
    bool deleteTag(const QString &tag);
    // The user and instrument names of per-user directives, in text order, repeats kept.
    QStringList users() const;
    // Appends a "define" directive with the chord's definition for the instrument. Does not save.
    void addDefineChord(const Chord &chord, const Instrument &instrument);
    // Removes the definition of exactly the chord's title (logged when there is none). Does not save.
    void removeDefineChord(const Chord &chord);
    // The chord this song defines by exactly that name.
    std::optional<Chord> definedChordForName(const QString &name) const;
    // The song's own definition of the name, else the shared chord library's first chord of that name.
    std::optional<Chord> chordForName(const QString &name) const;
    // The instrument the song asks for (variant rule), blanks as "_" as in instrument file names.
    QString instrument() const;
    // The tuning the song asks for (variant rule), when it names at least four notes.
    std::optional<QString> tuning() const;
    // The linked audio file when it exists (relative values lie in the song folder); empty otherwise.
    virtual QString musicpath() const;
    // Writes the audio link as given (relative to the song folder when the file lies in it) and saves.
    bool setMusicpath(const QString &path);
    // The events of the "midi" directive (variant rule), sent when the song is shown.
    QList<MidiEvent> midiEventsToSend() const;
    // The "midi-index" value; nothing when empty.
    std::optional<QString> midiIndex() const;
    // The events of the "midi-index" directive, which select the song.
    QList<MidiEvent> midiEventsToSelectSong() const;
    // The checksum of the text that nearby devices compare.
    quint32 checksum() const;
    // Spelled-out umlauts ("ae", "Oe" ...) as umlauts, anywhere in the text. Does not save.
    void replaceUmlauts();
    // True for a playlist note.
    virtual bool isNote() const { return false; }

    // --- Order of the song list: negative when this song comes first ---
    static int stringCompare(const QString &a, const QString &b);
    // The form stringCompare compares: without a leading article when the settings ask, folded.
    static QString comparisonKey(const QString &string);
    // The same with the setting sortIPodStyle given, so that any thread may ask.
    static QString comparisonKey(const QString &string, bool sortIPodStyle);
    static QString stripArticleFromTitle(const QString &title);
    int compareTitle(const Song &other) const;
    int compareSubtitle(const Song &other) const;
    int compareKey(const Song &other) const;
    int compareDate(const Song &other) const;
    int compareTime(const Song &other) const;

protected:
    // Clears every cached directive value; the text revision changes.
    void resetCachedValues() const;

    // Cached values that subclasses and the tag operations fill; nullopt means not read yet.
    mutable std::optional<QString> m_songplaintext;
    // A list rather than a set: a set takes a kilobyte even for one tag, and a library keeps every song's tags.
    mutable std::optional<QStringList> m_cachedTags;
    QString m_saveFailure;

private:
    friend class RecentSongTexts;

    // The text, read from the file again when it was left to it.
    const QString &heldText() const;
    // Reads the text from the file again: the same text while the file is the one read, else the file as it is now,
    // as reloadFromDisk() takes it, still counted as changed on disk.
    void readTextAgain();
    // The text is in use now: a text that is the file's joins the recently used.
    void noteTextUse() const;
    bool canLeaveTextToFile() const;
    // Leaves the text to the file (RecentSongTexts, for a song that can).
    void forgetText();
    // Every change of the text but reading or saving the file: it is kept in memory until it is saved.
    void changeText(QString text);
    // Takes the content read from the file, whose stamp was taken just before; the date and title follow.
    void takeFileContent(const FileStamp &stamp, SongFileContent content);
    // The title and subtitle of the directives, else of a tab song's first lines, else of the file's name.
    void takeTitleSubtitle(const QString &title, const QString &subtitle);
    // The title and subtitle, and the cached tags and key of a text just read.
    void takeReadMetadata(const SongFileContent &content);
    // Renames a file changed by another program aside; false when that failed (nothing may be written then).
    // Sets the text and saves, unless the file could not be read. A failed save takes the text back, so that
    // the song holds what its file holds (saveFailure() says why).
    bool saveText(const QString &text);
    // Saves the text as changed from before (which was the file's when beforeIsFiles); when that fails, the text is
    // before again.
    bool saveChange(const QString &before, bool beforeIsFiles);
    // The first playing time in a "time" directive (one without "/"); "" when none.
    static QString playingTimeInTimeDirective(const QString &text);
    int compareNewerDateFirst(const Song &other) const;
    static QString keyFromFirstChords(const QString &text);
    static float pixPerMsForTempo(float tempo);

    // Cached directive values; 0 or nullopt means not read yet, so a stored 0 is read again.
    mutable int m_songtempo = 0;
    mutable std::optional<int> m_songplayingtime;
    // The raw values of the directives the song list and MIDI ask of every song.
    mutable std::optional<QString> m_musicpathValue;
    mutable std::optional<QString> m_midiIndexValue;
    mutable int m_songmetronome = 0;
    mutable float m_songzoomscale = 0;
    mutable std::optional<QString> m_songkey;
    bool m_isSampleSong = false;
    bool m_loadFailed = false;
    int m_storeGeneration = 0;
    static inline std::atomic<quint64> s_storesOfAnySong{0};
    mutable quint64 m_textRevision = 0;
    static inline std::atomic<quint64> s_textRevisions{0};
    QString m_title;
    QString m_subtitle;
    // Nothing while the text is left to the file.
    mutable std::optional<QString> m_text;
    // The text is the file's as it was when m_stamp was taken, so the file can give it again.
    bool m_textIsFiles = false;
    int m_textHolds = 0;
    mutable RecentSongTexts::Links m_recent;
    QString m_category;
    QString m_path;
    // The file as this song last read or wrote it.
    FileStamp m_stamp;
    // Milliseconds since the epoch: a local time is only worked out for showing it, since that looks up the
    // time zone, which is slow work for every song of a library.
    std::optional<qint64> m_date;
    std::optional<QString> m_playlistkey;
};
