// Listing a song folder and making (or reusing) one Song per song file.
#include "songfolderreader.h"

#include "filepath.h"
#include "folderlisting.h"
#include "librarysettings.h"
#include "log.h"
#include "pdfsong.h"
#include "prefs.h"
#include "song.h"
#include "textfile.h"

#include <QDir>
#include <QElapsedTimer>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentMap>

namespace {

// Enough files to keep every reading thread busy, few enough that their texts take little memory at once.
constexpr qsizetype kFilesPerBatch = 512;

} // namespace

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
    const bool exists = FileStamp::of(folder).exists();
    if (!exists || !FilePath::isReadable(folder)) {
        Log::write(QStringLiteral("Error reading %1: %2")
                       .arg(folder, exists ? QStringLiteral("permission denied") : QStringLiteral("no such folder")));
        return songs;
    }
    const bool supportPDF = LibrarySettings::prefs().supportPDF();
    QList<SongFile> files;
    files.reserve(entries.size());
    for (const FolderListing::Entry &entry : entries) {
        if (entry.isDir) {
            if (subfolders)
                subfolders->append(entry.name);
        } else if (std::optional<SongFile> file = songFile(dir.filePath(entry.name), entry.stamp, supportPDF)) {
            files.append(std::move(*file));
        }
    }
    // A batch at a time: the texts of a large folder never wait in memory all at once for their songs.
    for (qsizetype from = 0; from < files.size(); from += kFilesPerBatch) {
        const std::span<SongFile> batch(files.data() + from, std::min(kFilesPerBatch, files.size() - from));
        readNewTexts(batch);
        for (SongFile &file : batch) {
            if (file.content && file.content->error == TextFile::notTextReason()) {
                Log::write(QStringLiteral("Skipping %1: %2").arg(file.path, file.content->error));
                continue; // an image or a program under a song's name is no song, and is never written
            }
            SongPtr song = songFor(file);
            song->setCategory(category);
            songs.append(song);
        }
    }
    Log::write(QStringLiteral("read songs in %1 in %2 ms").arg(folder).arg(timer.nsecsElapsed() / 1e6));
    return songs;
}

std::optional<SongFolderReader::SongFile> SongFolderReader::songFile(const QString &path, const FileStamp &stamp,
                                                                     bool supportPDF) const
{
    const bool isText = Song::isChordProFile(path) || Song::isTabFile(path);
    if (!isText && !(supportPDF && PDFSong::isPDF(path)))
        return std::nullopt;
    return SongFile{path, stamp, isText, knownSong(m_previous.value(path), stamp), std::nullopt, {}};
}

void SongFolderReader::readNewTexts(std::span<SongFile> files)
{
    QList<SongFile *> unread;
    for (SongFile &file : files)
        if (file.isText && !file.song)
            unread.append(&file);
    if (unread.isEmpty())
        return;
    // Most of a first load is decoding and the fresh memory the texts fill, which spread over the cores; a
    // pool of our own, since the global one may be busy with slow work of other kinds.
    static QThreadPool pool;
    // What the search reads of each song is prepared here too, while the text is at hand and the threads are
    // busy anyway: from the strings the song takes from the content, so the first search folds nothing.
    QtConcurrent::blockingMap(&pool, unread, [](SongFile *file) {
        file->content = SongFileContent::read(file->path, file->stamp.size);
        if (const std::optional<QString> &text = file->content->text) {
            const SongMetadataScan &scan = file->content->metadata;
            file->searched =
                SongFilter::textsOf(scan.title(), scan.subtitle(), Song::keyOfReadText(scan, *text), *text);
            file->content->leaveTextToFile();
        }
    });
}

SongPtr SongFolderReader::songFor(SongFile &file)
{
    SongPtr song = file.song;
    if (!song && file.isText) {
        const bool read = file.content->wasRead();
        song = std::make_shared<Song>(file.path, file.stamp, std::move(*file.content));
        if (read) {
            file.searched.song = song.get();
            file.searched.textRevision = song->textRevision();
            m_searchableTexts.push_back(std::move(file.searched));
        }
    } else if (!song) {
        song = std::make_shared<PDFSong>(file.path, file.stamp);
    }
    m_current.insert(file.path, {song, file.stamp, song->storeGeneration()});
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
