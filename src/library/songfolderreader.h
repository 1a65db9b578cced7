// Reads song folders into Song objects, reusing the object of every file that has not changed since.
#pragma once

#include "filestamp.h"
#include "folderlisting.h"
#include "songfilecontent.h"
#include "songfilter.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>
#include <span>
#include <utility>
#include <vector>

class Song;
using SongPtr = std::shared_ptr<Song>;

// A file counts as unchanged while its path and stamp (size, modification time, inode) are those it was read with; the
// result is then the same as reading every file afresh. Main thread only; it reads files on worker threads of its
// own, which touch nothing but the files and their texts.
class SongFolderReader
{
public:
    // Starts a read of the whole library: what this pass does not read again is forgotten at its end.
    void beginPass();
    void endPass();
    // The searched texts of the songs made from files read since the last take, prepared on the reading
    // threads.
    std::vector<SongFilter::SongTexts> takeSearchableTexts() { return std::exchange(m_searchableTexts, {}); }
    // The songs of one folder by name, ignoring case: song text files and tab files, PDF files while
    // PDF songs are on; hidden entries are skipped. The names of the folder's sub-folders go to *subfolders
    // when asked. A folder that cannot be listed gives no songs and is logged.
    QList<SongPtr> readSongsInDirectory(const QString &folder, const QString &category,
                                        QStringList *subfolders = nullptr);
    // The same from a listing of the folder just taken with its stamps (FolderListing::Stamps::With), which
    // the caller shares with whatever else looks at the folder.
    QList<SongPtr> readSongsInDirectory(const QString &folder, const QString &category,
                                        const QList<FolderListing::Entry> &entries, QStringList *subfolders = nullptr);

private:
    // A song file of a folder being read: its song when the last pass's still holds, else its content once read.
    struct SongFile
    {
        QString path;
        FileStamp stamp;
        bool isText = false;
        SongPtr song;
        std::optional<SongFileContent> content;
        SongFilter::SongTexts searched; // what the song made from the content is searched by, once read
    };
    struct ReadFile
    {
        SongPtr song;
        FileStamp stamp;
        // The song's store generation when the stamp was taken.
        int generation = 0;
    };

    // The file at path, whose stamp the listing has just taken, when it is a song file.
    std::optional<SongFile> songFile(const QString &path, const FileStamp &stamp, bool supportPDF) const;
    // Reads the text files no song of the last pass holds, several at once.
    static void readNewTexts(std::span<SongFile> files);
    // The song of the file: the last pass's, else one made from what was read.
    SongPtr songFor(SongFile &file);
    // The song of the last pass for the file, when the file is still the one it holds: unchanged since, or
    // written (or read again) by the song itself since. Null when the file must be read anew.
    SongPtr knownSong(const ReadFile &known, const FileStamp &stamp) const;

    QHash<QString, ReadFile> m_previous;
    QHash<QString, ReadFile> m_current;
    // Titles of tab songs depend on this setting, so a change of it means reading every file again.
    bool m_supportTabs = true;
    std::vector<SongFilter::SongTexts> m_searchableTexts;
};
