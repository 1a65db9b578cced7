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

#include <algorithm>

namespace {

// Enough files to keep every reading thread busy, few enough that their texts take little memory at once.
constexpr qsizetype kFilesPerBatch = 512;

} // namespace

SongFolderReader::Request SongFolderReader::request(const QString &root)
{
    const bool supportTabs = LibrarySettings::prefs().supportTabs();
    if (supportTabs != m_supportTabs)
        m_previous.clear();
    m_supportTabs = supportTabs;
    Request request{root, LibrarySettings::prefs().supportPDF(), LibrarySettings::prefs().sortIPodStyle(), {}};
    request.known.reserve(m_previous.size());
    for (auto known = m_previous.cbegin(); known != m_previous.cend(); ++known)
        if (known->song && !known->song->loadFailed())
            request.known.insert(known.key(), known->stamp);
    return request;
}

QList<FolderListing::Entry> SongFolderReader::scan(const Request &request, const std::atomic<bool> &cancelled,
                                                   const Sink &sink)
{
    // Every folder is listed before a file is read, so that the first piece can tell how many songs are coming.
    const QList<FolderListing::Entry> rootEntries =
        FolderListing::sortedEntries(request.root, FolderListing::Stamps::With);
    QList<ListedFolder> folders{{request.root, QString(), rootEntries, 0}};
    for (const FolderListing::Entry &entry : rootEntries) {
        if (cancelled)
            return rootEntries;
        if (!entry.isDir)
            continue;
        QElapsedTimer timer;
        timer.start();
        const QString folder = QDir(request.root).filePath(entry.name);
        QList<FolderListing::Entry> entries = FolderListing::sortedEntries(folder, FolderListing::Stamps::With);
        folders.append({folder, entry.name, std::move(entries), timer.nsecsElapsed()});
    }
    qsizetype files = 0;
    qsizetype readFiles = 0;
    for (const ListedFolder &listed : std::as_const(folders)) {
        const QDir dir(listed.folder);
        for (const FolderListing::Entry &entry : listed.entries)
            if (!entry.isDir)
                if (const std::optional<SongFile> file =
                        songFile(dir.filePath(entry.name), entry.stamp, request.supportPDF)) {
                    ++files;
                    readFiles += isRead(*file, request);
                }
    }
    const Sink handOver = [&sink, files, readFiles, first = true](FolderScan piece) mutable {
        if (std::exchange(first, false)) {
            piece.scanFiles = files;
            piece.scanReadFiles = readFiles;
        }
        sink(std::move(piece));
    };
    for (ListedFolder &listed : folders) {
        if (cancelled)
            break;
        scanFolder(listed, request, cancelled, handOver);
        listed.entries = {};
    }
    return rootEntries;
}

void SongFolderReader::scanFolder(const ListedFolder &listed, const Request &request,
                                  const std::atomic<bool> &cancelled, const Sink &sink)
{
    QElapsedTimer timer;
    timer.start();
    const QString &folder = listed.folder;
    const QString &category = listed.category;
    const QList<FolderListing::Entry> &entries = listed.entries;
    FolderScan piece{folder, category, {}, 0, {}, 0, 0};
    const bool exists = FileStamp::of(folder).exists();
    if (!exists || !FilePath::isReadable(folder)) {
        piece.log.append(
            QStringLiteral("Error reading %1: %2")
                .arg(folder, exists ? QStringLiteral("permission denied") : QStringLiteral("no such folder")));
        sink(std::move(piece));
        return;
    }
    const QDir dir(folder);
    // A batch at a time: the records of a large folder never wait in memory all at once, as the songs of each
    // batch are made while the next is read; each text is dropped on its reading thread once what the song and the
    // search need is taken from it.
    qint64 handingOverNs = 0;
    const auto handOver = [&] {
        const qint64 start = timer.nsecsElapsed();
        sink(std::exchange(piece, FolderScan{folder, category, {}, 0, {}, 0, 0}));
        handingOverNs += timer.nsecsElapsed() - start;
    };
    for (qsizetype index = 0; index < entries.size() && !cancelled; ++index) {
        const FolderListing::Entry &entry = entries[index];
        if (entry.isDir)
            continue;
        if (std::optional<SongFile> file = songFile(dir.filePath(entry.name), entry.stamp, request.supportPDF)) {
            if (piece.files.isEmpty())
                piece.files.reserve(std::min(kFilesPerBatch, entries.size() - index));
            piece.songCount += file->isCounted;
            piece.files.append(std::move(*file));
            if (piece.files.size() == kFilesPerBatch) {
                readNewTexts(std::span<SongFile>(piece.files.data(), piece.files.size()), request, cancelled);
                handOver();
            }
        }
    }
    if (cancelled)
        return;
    readNewTexts(std::span<SongFile>(piece.files.data(), piece.files.size()), request, cancelled);
    piece.log.append(QStringLiteral("read songs in %1 in %2 ms")
                         .arg(folder)
                         .arg((listed.listingNs + timer.nsecsElapsed() - handingOverNs) / 1e6));
    handOver();
}

std::optional<SongFolderReader::SongFile> SongFolderReader::songFile(const QString &path, const FileStamp &stamp,
                                                                     bool supportPDF)
{
    const bool isChordPro = Song::isChordProFile(path);
    const bool isText = isChordPro || Song::isTabFile(path);
    if (!isText && !(supportPDF && PDFSong::isPDF(path)))
        return std::nullopt;
    return SongFile{path, stamp, isText, isChordPro || !isText, std::nullopt, {}, {}};
}

void SongFolderReader::readNewTexts(std::span<SongFile> files, const Request &request,
                                    const std::atomic<bool> &cancelled)
{
    QList<SongFile *> unread;
    for (SongFile &file : files)
        if (isRead(file, request))
            unread.append(&file);
    if (unread.isEmpty())
        return;
    // Most of a first load is decoding and the fresh memory the texts fill, which spread over the cores; a
    // pool of our own, since the global one may be busy with slow work of other kinds.
    static QThreadPool pool;
    // A cancelled scan is thrown away: the files left are skipped, so whoever waits for it waits little.
    QtConcurrent::blockingMap(&pool, unread, [&cancelled, sortIPodStyle = request.sortIPodStyle](SongFile *file) {
        if (!cancelled)
            readContent(*file, sortIPodStyle);
    });
}

bool SongFolderReader::isRead(const SongFile &file, const Request &request)
{
    if (!file.isText)
        return false;
    const auto known = request.known.constFind(file.path);
    return known == request.known.cend() || *known != file.stamp;
}

void SongFolderReader::readContent(SongFile &file, bool sortIPodStyle)
{
    // What the search and the sort read of each song is prepared here too, while the text is at hand: from the
    // strings the song takes from the content, so the first search and sort fold nothing.
    file.content = SongFileContent::read(file.path, file.stamp.size);
    if (const std::optional<QString> &text = file.content->text) {
        const SongMetadataScan &scan = file.content->metadata;
        file.searched = SongFilter::textsOf(scan.title(), scan.subtitle(), file.content->key, *text);
        file.sortKeys = SongOrder::keysOf(scan.title(), scan.subtitle(), file.content->key, sortIPodStyle);
        file.content->leaveTextToFile();
    }
}

SongPtr SongFolderReader::readAhead(const QString &path, bool supportPDF)
{
    const FileStamp stamp = FileStamp::of(path);
    const std::optional<SongFile> file = stamp.exists() ? songFile(path, stamp, supportPDF) : std::nullopt;
    if (!file)
        return nullptr;
    if (SongPtr known = knownSong(m_previous.value(path), stamp))
        return known;
    SongPtr song = file->isText ? std::make_shared<Song>(path, stamp) : std::make_shared<PDFSong>(path, stamp);
    if (song->loadFailed())
        return nullptr;
    m_previous.insert(path, {song, stamp, song->storeGeneration()});
    return song;
}

bool SongFolderReader::songsOf(Scan &scan, Progress &progress, qsizetype files)
{
    if (progress.finished)
        return true;
    if (!std::exchange(progress.started, true))
        startPass(scan, progress);
    for (; progress.folder < scan.folders.size(); ++progress.folder, progress.file = 0) {
        FolderScan &folder = scan.folders[progress.folder];
        for (; progress.file < folder.files.size(); ++progress.file) {
            if (files-- == 0)
                return false;
            if (SongPtr song = songOf(folder.files[progress.file], scan.sortIPodStyle)) {
                song->setCategory(folder.category);
                progress.songs.append(std::move(song));
            }
        }
        for (const QString &line : std::as_const(folder.log))
            Log::write(line);
        // What the folder's files still hold once their songs are made is freed now, so that the songs of the
        // next folders take its place instead of fresh memory.
        folder.files = {};
    }
    if (!scan.complete)
        return false;
    m_previous = std::move(m_current);
    m_current.clear();
    progress.finished = true;
    return true;
}

void SongFolderReader::startPass(const Scan &scan, Progress &progress)
{
    if (LibrarySettings::prefs().supportTabs() != m_supportTabs) {
        m_previous.clear();
        m_supportTabs = !m_supportTabs;
    }
    // What a pass left unfinished made is dropped with its songs.
    m_current.clear();
    m_searchableTexts.clear();
    m_sortKeys.clear();
    m_current.reserve(scan.files);
    progress.songs.reserve(scan.files);
}

SongPtr SongFolderReader::songOf(SongFile &file, bool sortIPodStyle)
{
    const auto previous = m_previous.constFind(file.path);
    SongPtr song = previous == m_previous.cend() ? nullptr : knownSong(*previous, file.stamp);
    // Not read by the scan, which took the file for unchanged: its song has failed or gone since.
    if (!song && file.isText && !file.content)
        readContent(file, sortIPodStyle);
    if (!song && file.content && file.content->error == TextFile::notTextReason()) {
        Log::write(QStringLiteral("Skipping %1: %2").arg(file.path, file.content->error));
        return nullptr; // an image or a program under a song's name is no song, and is never written
    }
    return songFor(file, std::move(song));
}

SongPtr SongFolderReader::songFor(SongFile &file, SongPtr known)
{
    SongPtr song = std::move(known);
    if (!song && file.isText) {
        const bool read = file.content->wasRead();
        song = std::make_shared<Song>(file.path, file.stamp, std::move(*file.content));
        if (read) {
            file.searched.song = song.get();
            file.searched.textRevision = song->textRevision();
            m_searchableTexts.push_back(std::move(file.searched));
            m_sortKeys.emplace_back(song.get(), std::move(file.sortKeys));
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
