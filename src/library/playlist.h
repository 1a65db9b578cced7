// One playlist: a title, its entries (song references and notes) and the ".lst" file it is stored in.
#pragma once

#include <QDateTime>
#include <QList>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

class Song;
using SongPtr = std::shared_ptr<Song>;

// Entries are songs without a file, made from a title-subtitle reference (with the key the playlist asks
// for), or notes (NoteSong). They are resolved to the library's own songs by Songs::songForSong whenever
// they are shown or used, so an entry whose song is gone simply stays unresolved.
class PlayList
{
public:
    // Draws a number from 0 to bound - 1; the shuffle takes one so tests can fix the order.
    using RandomBelow = std::function<int(int bound)>;

    PlayList();
    // The playlist stored at path. A file that cannot be read gives an empty playlist that is never
    // saved over (loadFailed()).
    static std::shared_ptr<PlayList> fromFile(const QString &path);
    // The playlist a file's text describes: the first non-empty line is the title, every further line an entry.
    static std::shared_ptr<PlayList> fromString(const QString &text);

    // --- File ---
    // True for a name ending in ".lst" exactly (case-sensitive).
    static bool isPlayListFile(const QString &path);
    // The key in the last bracket pair when that pair ends the line; nullopt otherwise. The key may be empty.
    static std::optional<QString> extractKeyFromLine(const QString &line);
    // The file's text: the title and one line per entry, each ending in "\n".
    QString asString() const;
    // Writes the playlist atomically as UTF-8, to defaultPathWithCategory(category) when it has no file yet.
    // False (logged and told to the user) when the write fails or the file could not be read; the entries are
    // then those of the file again, and a playlist that had no file still has none.
    bool save(const QString &category = QString());
    // A new file in the song folder (or the category's folder) named by the title, "Playlist" when the title
    // is empty (the title becomes "Playlist" then).
    QString defaultPathWithCategory(const QString &category);
    // Moves the file to the Trash, whatever bytes its name holds. False when it stays, which the user has been
    // told; true as well for a playlist without a file.
    bool deleteFromFileSystem();
    // Gives the playlist a new title and a file named by it, in the same folder, or in the song folder for a
    // file in a folder named "Vellorin" (in any case). The new file is written before the old one goes to the
    // Trash, and the old file's name counts as free. False when the write fails, or the old file cannot go to the
    // Trash (the new file is removed again): the old file and the title then stay as they were, and the user has
    // been told.
    bool rename(const QString &title);
    bool loadFailed() const { return m_loadFailed; }
    // The playlist order: by title ignoring case; or by the file's date, newest first.
    int compareTitle(const PlayList &other) const;
    int compareDate(const PlayList &other) const;

    // --- Entries ---
    void addSong(const SongPtr &song);
    void insertSong(const SongPtr &song, int index);
    void deleteSongAtIndex(int index);
    // Removes the first entry naming the song (same title, same subtitle).
    void deleteSong(const Song &song);
    bool containsSong(const Song &song) const;
    // Moves the entry at from so that it stands at to afterwards; keeps the undo order. False for a position
    // outside the list.
    bool moveSong(int from, int to);

    // Each keeps the current order for undoSort() first.
    void shuffle(const RandomBelow &randomBelow = {});
    void sortByTitle();
    void sortBySubTitle();
    // By the playlist key, else the key of the library's song; entries with neither go last.
    void sortByKey();
    void undoSort();

    // A library song's title or subtitle changed: the entries naming the old one take the new one.
    // True when an entry changed.
    bool updateSong(const Song &oldSong, const Song &newSong);
    // Seconds; 0 as soon as a resolved song (not a note) has no playing time.
    int totalPlayingTime() const;
    // The entries that are not notes.
    int songsCount() const;
    SongPtr songForRow(int row) const;

    // --- Fields ---
    const QString &title() const { return m_title; }
    void setTitle(const QString &title) { m_title = title; }
    const QList<SongPtr> &songs() const { return m_songs; }
    void setSongs(const QList<SongPtr> &songs) { m_songs = songs; }
    // The file; empty until first saved.
    const QString &path() const { return m_path; }
    void setPath(const QString &path) { m_path = path; }
    // The order before the last shuffle or sort; nullopt when there is nothing to undo.
    const std::optional<QList<SongPtr>> &originalSongs() const { return m_originalSongs; }
    void setOriginalSongs(const std::optional<QList<SongPtr>> &songs) { m_originalSongs = songs; }
    // The file's modification time, as read or last written.
    const QDateTime &date() const { return m_date; }

private:
    int indexOfSong(const Song &song) const;
    // Where a renamed playlist's file goes.
    QString renameFolder() const;
    void parseLine(const QString &line);
    void keepOrderForUndo() { m_originalSongs = m_songs; }
    // Writes the playlist to path; a failure is logged and told to the user.
    bool writeTo(const QString &path);
    // The entries the playlist's file holds, in place of those in memory; nothing when it cannot be read.
    void takeEntriesFromFile();

    QString m_title;
    QList<SongPtr> m_songs;
    QString m_path;
    std::optional<QList<SongPtr>> m_originalSongs;
    QDateTime m_date;
    bool m_loadFailed = false;
};
