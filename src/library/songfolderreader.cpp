// Listing a song folder and making (or reusing) one Song per song file.
#include "songfolderreader.h"

#include "folderlisting.h"
#include "librarysettings.h"
#include "log.h"
#include "pdfsong.h"
#include "prefs.h"
#include "song.h"

#include <QDir>
#include <QElapsedTimer>

void SongFolderReader::beginPass()
{
    const bool supportTabs = LibrarySettings::prefs().supportTabs();
    if (supportTabs != m_supportTabs)
        m_previous.clear();
    m_supportTabs = supportTabs;
    m_current.clear();
}

void SongFolderReader::endPass()
{
    m_previous = std::move(m_current);
    m_current.clear();
}

QList<SongPtr> SongFolderReader::readSongsInDirectory(const QString &folder, const QString &category,
                                                      QStringList *subfolders)
{
    return readSongsInDirectory(folder, category, FolderListing::sortedEntries(folder, FolderListing::Stamps::With),
                                subfolders);
}

QList<SongPtr> SongFolderReader::readSongsInDirectory(const QString &folder, const QString &category,
                                                      const QList<FolderListing::Entry> &entries,
                                                      QStringList *subfolders)
{
    QElapsedTimer timer;
    timer.start();
    QList<SongPtr> songs;
    const QDir dir(folder);
    if (!dir.exists() || !dir.isReadable()) {
        Log::write(
            QStringLiteral("Error reading %1: %2")
                .arg(folder, dir.exists() ? QStringLiteral("permission denied") : QStringLiteral("no such folder")));
        return songs;
    }
    const bool supportPDF = LibrarySettings::prefs().supportPDF();
    for (const FolderListing::Entry &entry : entries) {
        if (entry.isDir) {
            if (subfolders)
                subfolders->append(entry.name);
        } else if (SongPtr song = songForFile(dir.filePath(entry.name), entry.stamp, supportPDF)) {
            song->setCategory(category);
            songs.append(song);
        }
    }
    Log::write(QStringLiteral("read songs in %1 in %2 ms").arg(folder).arg(timer.nsecsElapsed() / 1e6));
    return songs;
}

SongPtr SongFolderReader::songForFile(const QString &path, const FileStamp &stamp, bool supportPDF)
{
    const bool isText = Song::isChordProFile(path) || Song::isTabFile(path);
    if (!isText && !(supportPDF && PDFSong::isPDF(path)))
        return nullptr;
    SongPtr song = knownSong(m_previous.value(path), stamp);
    if (!song)
        song = isText ? std::make_shared<Song>(path, stamp)
                      : std::static_pointer_cast<Song>(std::make_shared<PDFSong>(path, stamp));
    m_current.insert(path, {song, stamp, song->storeGeneration()});
    return song;
}

SongPtr SongFolderReader::knownSong(const ReadFile &known, const FileStamp &stamp) const
{
    if (!known.song || known.song->loadFailed())
        return nullptr;
    if (known.stamp == stamp)
        return known.song;
    // Saved by the application: the list, the editor and the song pane keep holding one object for the file,
    // so that nothing acts on a stale copy whose later save would drop what the current one holds.
    const bool storedSince = known.song->storeGeneration() != known.generation;
    if (storedSince && !known.song->fileChangedFrom(stamp)) {
        known.song->updateDate(stamp);
        return known.song;
    }
    return nullptr;
}
