// Reading the library, the current category, the filter, the tag index and the look-up of songs.
#include "songs.h"

#include "appcontext.h"
#include "librarysettings.h"
#include "log.h"
#include "prefs.h"
#include "scanqueue.h"
#include "song.h"
#include "songorder.h"
#include "textfile.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QThreadPool>
#include <QTimer>
#include <QtConcurrent/QtConcurrentRun>

#include <algorithm>
#include <filesystem>
#include <limits>

namespace {

const QString kSampleSongName = QStringLiteral("Greensleeves.pro");

// The files whose songs a background load makes in one turn of the event loop: a few milliseconds' work, so a
// keystroke never waits long for the library to be taken.
constexpr qsizetype kFilesPerTurn = 2000;
// The pieces a background scan reads ahead of the songs made: enough that the main thread rarely waits for one.
constexpr qsizetype kPiecesAhead = 4;

QString elapsedMs(const QElapsedTimer &timer)
{
    return QString::number(timer.nsecsElapsed() / 1e6, 'f', 3);
}

// The song folder with its missing parents; a failure is logged and the refresh goes on.
void createFolder(const QString &folder)
{
    if (QFileInfo(folder).isDir())
        return;
    AppContext::instance()->temporaryStopFSRefresh();
    std::error_code error;
    std::filesystem::create_directories(QFile::encodeName(folder).toStdString(), error);
    if (error)
        Log::write(QStringLiteral("Cannot create %1: %2").arg(folder, QString::fromStdString(error.message())));
}

} // namespace

Songs::Songs() = default;

Songs::~Songs()
{
    cancelLoad();
    for (ScanFuture &scan : m_cancelledScans)
        scan.waitForFinished();
}

void Songs::refresh()
{
    const QString folder = Prefs::songDirectory();
    if (m_load) {
        if (m_load->root == folder)
            m_refreshAfterLoad = true;
        else
            refreshInBackground();
        return;
    }
    Log::write(QStringLiteral("Songs refresh"));
    QElapsedTimer timer;
    timer.start();
    if (folder.isEmpty())
        return;
    createFolder(folder);
    adopt(folder, timer);
}

void Songs::refreshInBackground()
{
    Log::write(QStringLiteral("Songs refresh"));
    cancelLoad();
    const QString folder = Prefs::songDirectory();
    if (folder.isEmpty())
        return;
    createFolder(folder);
    QElapsedTimer timer;
    timer.start();
    const SongFolderReader::Request request = m_reader.request(folder);
    // Made whole and moved in: Clang does not count a nested struct with member initializers as default
    // constructible for std::optional::emplace().
    m_load.emplace(Load{});
    Load &load = *m_load;
    load.root = folder;
    load.adoption.emplace(SongFolderReader::Scan(request), timer, kFilesPerTurn);
    load.nextTurn = std::make_unique<QTimer>();
    load.nextTurn->setSingleShot(true);
    QObject::connect(load.nextTurn.get(), &QTimer::timeout, load.nextTurn.get(), [this] { adoptionTurn(); });
    load.queue = std::make_shared<ScanQueue>(kPiecesAhead, load.nextTurn.get());
    load.watcher = std::make_unique<QFutureWatcher<QList<FolderListing::Entry>>>();
    QObject::connect(load.watcher.get(), &QFutureWatcherBase::finished, load.watcher.get(), [this] { loadFinished(); });
    // A pool of its own: the scan waits on the reading threads, which must never wait for it in turn.
    static QThreadPool loader;
    load.watcher->setFuture(QtConcurrent::run(&loader, [request, queue = load.queue] {
        return SongFolderReader::scan(request, queue->cancelled(),
                                      [&queue](SongFolderReader::FolderScan piece) { queue->push(std::move(piece)); });
    }));
}

void Songs::cancelLoad()
{
    if (!m_load)
        return;
    m_load->queue->cancel();
    if (m_load->watcher)
        m_cancelledScans.append(m_load->watcher->future());
    m_load.reset();
    m_cancelledScans.removeIf([](const ScanFuture &scan) { return scan.isFinished(); });
}

void Songs::loadFinished()
{
    Load &load = *m_load;
    load.rootEntries = load.watcher->future().takeResult();
    // The watcher is emitting the signal that called this: it goes once that is done.
    load.watcher.release()->deleteLater();
    load.nextTurn->start(0);
}

void Songs::adoptionTurn()
{
    // Else the next piece handed over, or the end of the scan, starts the next turn.
    if (!takeHandedOver(*m_load))
        return;
    if (!adoptSlice(*m_load->adoption)) {
        m_load->nextTurn->start(0);
        return;
    }
    // The timer is emitting the signal that called this: it goes once that is done.
    m_load->nextTurn.release()->deleteLater();
    // A scan dropped before it is done (the song folder changed) is stopped.
    cancelLoad();
    if (m_loadedHandler)
        m_loadedHandler();
    for (auto &[context, action] : std::exchange(m_whenLoaded, {}))
        if (context)
            action();
    if (std::exchange(m_refreshAfterLoad, false) && !m_load)
        refreshInBackground();
}

bool Songs::takeHandedOver(Load &load)
{
    Adoption &adoption = *load.adoption;
    if (adoption.scan.complete)
        return true;
    // No more than a turn's worth: what the main thread has not made yet waits in the queue, whose bound holds the
    // scan back.
    qsizetype toMake = adoption.filesToMake();
    bool drained = false;
    while (toMake < adoption.filesPerTurn && !drained) {
        std::optional<SongFolderReader::FolderScan> piece = load.queue->take();
        drained = !piece;
        if (piece) {
            toMake += piece->files.size();
            adoption.scan.add(std::move(*piece));
        }
    }
    if (drained && load.rootEntries) {
        adoption.scan.finish(*std::move(load.rootEntries));
        offerSampleSong(adoption);
        return true;
    }
    // A turn's worth at least, so that a small library is taken in one turn once its scan is done.
    return toMake >= adoption.filesPerTurn;
}

qsizetype Songs::Adoption::filesToMake() const
{
    qsizetype files = -made.file;
    for (qsizetype folder = made.folder; folder < scan.folders.size(); ++folder)
        files += scan.folders[folder].files.size();
    return files;
}

void Songs::whenLoaded(QObject *context, std::function<void()> action)
{
    if (m_load)
        m_whenLoaded.emplace_back(context, std::move(action));
    else
        action();
}

void Songs::scanNow(const QString &root, SongFolderReader::Scan &scan, const std::function<void()> &whenRead)
{
    const std::atomic<bool> carryOn{false};
    const SongFolderReader::Request request = m_reader.request(root);
    scan = SongFolderReader::Scan(request);
    scan.finish(SongFolderReader::scan(request, carryOn, [&scan, &whenRead](SongFolderReader::FolderScan piece) {
        scan.add(std::move(piece));
        if (whenRead)
            whenRead();
    }));
}

void Songs::adopt(const QString &root, const QElapsedTimer &timer)
{
    // The songs of each piece are made as soon as it is read, so that the files of a piece only are held at once;
    // then sorted all at once: nothing waits for a read that blocks anyway, and one sort is less work than merging
    // slices.
    Adoption adoption(SongFolderReader::Scan(), timer, std::numeric_limits<qsizetype>::max());
    scanNow(root, adoption.scan, [this, &adoption] { makeSongs(adoption); });
    adoption.resort = true;
    offerSampleSong(adoption);
    while (!adoptSlice(adoption)) {
    }
}

void Songs::offerSampleSong(Adoption &adoption)
{
    const QString folder = Prefs::songDirectory();
    if (adoption.scan.root != folder || !holdsNoSong(adoption.scan))
        return;
    // Before the library is taken, so a new library shows the sample song at once.
    Log::write(QStringLiteral("No songs, creating sample Greensleeves"));
    createSampleSong();
    adoption.made = {};
    adoption.ordered.clear();
    adoption.order.reset();
    scanNow(folder, adoption.scan);
}

bool Songs::adoptSlice(Adoption &adoption)
{
    SongFolderReader::Scan &scan = adoption.scan;
    const QString folder = Prefs::songDirectory();
    if (scan.root != folder)
        return true;
    // A small library is taken in one turn.
    const bool firstTurn = adoption.turns++ == 0;
    // What was sorted in earlier turns no longer holds when the order or a stored song changed since.
    if (adoption.order && *adoption.order != currentListOrder()) {
        adoption.resort = true;
        adoption.lists.reset();
    }
    // Each step below in a turn of its own, but for a library made in one turn.
    if (!adoption.made.finished && (!makeSlice(adoption) || !firstTurn))
        return false;
    if (std::exchange(adoption.resort, false)) {
        adoption.ordered = adoption.made.songs;
        m_order.sort(adoption.ordered, SongOrder::current());
    }
    if (adoption.lists && !adoption.lists->holdFor(*this))
        adoption.lists.reset();
    if (!adoption.lists) {
        // The search keeps the texts of the songs the library takes next turn, as the search of its rows needs.
        m_songFilter.keepOnly(adoption.made.songs);
        adoption.lists = listsOf(adoption.ordered);
        // Worked out again when they no longer hold, but then taken at once: a search typed at every turn would
        // put the library off for ever.
        if (!firstTurn && !std::exchange(adoption.listsPutOff, true))
            return false;
    }
    takeAdoption(adoption);
    return true;
}

bool Songs::makeSlice(Adoption &adoption)
{
    const qsizetype madeBefore = adoption.made.songs.size();
    const bool made = makeSongs(adoption);
    // Each list of the library is all songs in the current order, filtered: one order serves them all, made a
    // slice at a time.
    m_order.mergeInto(adoption.ordered, adoption.made.songs.sliced(madeBefore), SongOrder::current());
    adoption.order = currentListOrder();
    return made;
}

bool Songs::makeSongs(Adoption &adoption)
{
    if (!adoption.made.started) {
        m_order.makeRoom(adoption.scan.readFiles);
        m_songFilter.makeRoom(adoption.scan.readFiles);
    }
    const bool made = m_reader.songsOf(adoption.scan, adoption.made, adoption.filesPerTurn);
    // Kept keys and texts change no order nor search the library shows, and those of songs that are never taken
    // are forgotten later.
    m_order.takePrepared(m_reader.takeSortKeys(), adoption.scan.sortIPodStyle);
    m_songFilter.takePrepared(m_reader.takeSearchableTexts());
    return made;
}

Songs::Lists Songs::listsOf(const QList<SongPtr> &ordered)
{
    Lists lists{{}, {}, {}, {}, currentListOrder(), m_currentCategory, m_filter, LibrarySettings::prefs().searchPDFs()};
    tagListsOf(ordered, lists.songsByTag, lists.songsWithoutTag);
    // The songs of all songs that lie in the category folder: the same objects, never a second read.
    lists.songs.reserve(ordered.size());
    for (const SongPtr &song : ordered)
        if (!m_currentCategory || song->category() == *m_currentCategory)
            lists.songs.append(song);
    // The rows always come from the songs just read: a sort, a new category or a changed file never leaves
    // the rows of an earlier list or an earlier search behind.
    if (m_filter)
        lists.filteredSongs = m_songFilter.matching(lists.songs, *m_filter, lists.searchPDFs);
    return lists;
}

bool Songs::Lists::holdFor(const Songs &library) const
{
    return order == currentListOrder() && category == library.m_currentCategory && filter == library.m_filter &&
           searchPDFs == LibrarySettings::prefs().searchPDFs();
}

void Songs::takeAdoption(Adoption &adoption)
{
    takeCategories(adoption.scan);
    m_referenceIndex.clear();
    m_allSongsCache = std::move(adoption.made.songs);
    Lists &lists = *adoption.lists;
    m_songsByTag = std::move(lists.songsByTag);
    m_songsWithoutTag = std::move(lists.songsWithoutTag);
    m_songs = std::move(lists.songs);
    m_filteredSongs = std::move(lists.filteredSongs);
    m_songsOrder = currentListOrder();
    m_order.keepOnly(*m_allSongsCache);
    AppContext::instance()->indexSongsForMidi(m_songs);
    Log::write(QStringLiteral("refresh songs in %1 ms").arg(elapsedMs(adoption.timer)));
}

bool Songs::holdsNoSong(const SongFolderReader::Scan &scan)
{
    const bool hasCategory = std::any_of(scan.rootEntries.cbegin(), scan.rootEntries.cend(),
                                         [](const FolderListing::Entry &entry) { return entry.isDir; });
    // Without categories, every piece is of the song folder itself.
    return !hasCategory &&
           std::all_of(scan.folders.cbegin(), scan.folders.cend(),
                       [](const SongFolderReader::FolderScan &folder) { return folder.songCount == 0; });
}

void Songs::takeCategories(const SongFolderReader::Scan &scan)
{
    QHash<QString, int> songCounts;
    for (const SongFolderReader::FolderScan &folder : scan.folders)
        songCounts[folder.category] += folder.songCount;
    m_categories.refresh(scan.rootEntries, songCounts);
}

QList<SongPtr> Songs::allSongsInOrder()
{
    // A stable sort of a list in the order of all songs is the same as all songs stably sorted, then filtered.
    QList<SongPtr> ordered = allSongs();
    m_order.sort(ordered, SongOrder::current());
    return ordered;
}

const QList<SongPtr> &Songs::allSongs()
{
    if (!m_allSongsCache) {
        static const QList<SongPtr> none;
        if (m_load)
            return none; // never read twice: the load under way brings them
        const QString root = Prefs::songDirectory();
        if (root.isEmpty())
            return none;
        m_allSongsCache = readAllSongs(root);
    }
    return *m_allSongsCache;
}

QList<SongPtr> Songs::readAllSongs(const QString &root)
{
    Adoption reading(SongFolderReader::Scan(), QElapsedTimer(), std::numeric_limits<qsizetype>::max());
    scanNow(root, reading.scan, [this, &reading] { makeSongs(reading); });
    makeSongs(reading);
    return std::move(reading.made.songs);
}

void Songs::setCurrentCategory(const std::optional<QString> &category)
{
    m_currentCategory = category;
    if (Prefs *prefs = AppContext::instance()->prefs()) {
        prefs->setCurrentCategory(category);
        prefs->save();
    }
}

void Songs::setFilter(const QString &filter)
{
    if (filter.isEmpty()) {
        m_filter.reset();
        m_filteredSongs.reset();
        return;
    }
    m_filter = filter;
    QList<SongPtr> matching = m_songFilter.matching(m_songs, filter, LibrarySettings::prefs().searchPDFs());
    if (m_songsOrder != currentListOrder())
        m_order.sort(matching, SongOrder::current());
    m_filteredSongs = matching;
}

Songs::ListOrder Songs::currentListOrder()
{
    return {SongOrder::current(), LibrarySettings::prefs().sortIPodStyle(), Song::storesOfAnySong()};
}

SongPtr Songs::songForRow(int row) const
{
    return rows().value(row);
}

bool Songs::containsPath(const QString &path) const
{
    return std::any_of(m_songs.begin(), m_songs.end(), [&path](const SongPtr &song) { return song->path() == path; });
}

SongPtr Songs::songForSong(const SongPtr &entry)
{
    if (!entry || entry->isNote())
        return entry;
    return m_referenceIndex.find(*entry, m_songs, allSongs());
}

QString Songs::createSampleSong()
{
    const QString folder = Prefs::songDirectory();
    if (folder.isEmpty())
        return QString();
    const QString path = QDir(folder).filePath(kSampleSongName);
    if (QFileInfo::exists(path))
        return path; // never over the user's own edits of it
    const std::optional<QString> text =
        TextFile::read(QStringLiteral(":/Greensleeves.pro"), TextFile::LastResort::None);
    AppContext::instance()->temporaryStopFSRefresh();
    QString error;
    if (!text || !TextFile::write(path, *text, &error)) {
        Log::write(QStringLiteral("Error writing %1: %2").arg(path, error));
        return QString();
    }
    return path;
}

SongPtr Songs::readSongAhead(const QString &path)
{
    const QString root = Prefs::songDirectory();
    const QFileInfo file(path);
    if (root.isEmpty() || path.isEmpty() || file.fileName().startsWith(u'.'))
        return nullptr;
    const QFileInfo folder(file.absolutePath());
    const QString rootPath = QFileInfo(root).absoluteFilePath();
    const bool inCategory = folder.absolutePath() == rootPath && !folder.fileName().startsWith(u'.');
    if (folder.absoluteFilePath() != rootPath && !inCategory)
        return nullptr;
    return m_reader.readAhead(file.absoluteFilePath(), LibrarySettings::prefs().supportPDF());
}

void Songs::refreshTags()
{
    m_songsByTag.clear();
    m_songsWithoutTag.clear();
    tagListsOf(allSongsInOrder(), m_songsByTag, m_songsWithoutTag);
}

void Songs::tagListsOf(const QList<SongPtr> &ordered, QMap<QString, QList<SongPtr>> &songsByTag,
                       QList<SongPtr> &songsWithoutTag)
{
    for (const SongPtr &song : ordered) {
        const QStringList &tags = song->tagList();
        if (tags.isEmpty())
            songsWithoutTag.append(song);
        for (const QString &tag : tags)
            songsByTag[tag].append(song);
    }
}

void Songs::addTag(const QString &tag, const SongPtr &song)
{
    const auto sameSong = [&song](const SongPtr &each) {
        return each == song || (!song->path().isEmpty() && each->path() == song->path());
    };
    m_songsWithoutTag.removeIf(sameSong);
    QList<SongPtr> &songs = m_songsByTag[tag];
    if (std::none_of(songs.cbegin(), songs.cend(), sameSong))
        songs.append(song);
}
