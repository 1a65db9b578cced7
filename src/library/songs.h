// The song library: the song folder read into songs, by category, filtered, sorted and indexed by tag.
#pragma once

#include "categories.h"
#include "songfilter.h"
#include "songfolderreader.h"
#include "songorder.h"
#include "songreferenceindex.h"

#include <QElapsedTimer>
#include <QFutureWatcher>
#include <QList>
#include <QMap>
#include <QObject>
#include <QPointer>
#include <QString>

#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QTimer;
class ScanQueue;
class Song;
using SongPtr = std::shared_ptr<Song>;

// Songs directly in the song folder belong to no category (""); each direct, non-hidden sub-folder is a
// category holding its songs; deeper folders are not read. One library exists (AppContext::songs()).
// Main thread only; a background load reads the files on threads of its own and hands them back to the main
// thread's event loop as they are read.
class Songs
{
public:
    // Empty; reads nothing until refresh().
    Songs();
    // Cancels a load under way and waits for its threads, which skip the files they have not read yet.
    ~Songs();

    // Reads the library again: creates the song folder when missing, puts the sample song into an empty
    // one, reads every song (reusing the Song of each unchanged file), rebuilds the categories and the tag
    // index, takes the current category's songs in the settings' order, and hands them to the MIDI song
    // selection. Keeps the filter and filters the songs just read by it, so the rows are never those of an
    // earlier list. Nothing happens without a song folder.
    // While a background load runs, nothing is read at once: a load of the same folder is followed by another
    // (a file may have changed after it listed its folder), a load of another folder is dropped for one of the
    // folder now set.
    void refresh();
    // The same read on worker threads: returns at once, and the main thread takes the result, as refresh()
    // would, once the event loop delivers it; then the loaded handler runs. Until then the library holds what it
    // held before (nothing, at the start).
    void refreshInBackground();
    bool isLoading() const { return bool(m_load); }
    // Called on the main thread after each background load has been taken.
    void setLoadedHandler(std::function<void()> handler) { m_loadedHandler = std::move(handler); }
    // Runs the action at once when no load is under way, else once the load has been taken (and only while
    // context still exists), after the loaded handler and without waiting for a load that follows it.
    void whenLoaded(QObject *context, std::function<void()> action);
    // Every song of the folder and its categories: the folder's own songs first, then each category's, by
    // name ignoring case. Read on first use after a refresh, then kept; none while the first load runs.
    const QList<SongPtr> &allSongs();

    // nullopt = all songs, "" = the songs outside any category, else a category name. Also stored in the
    // settings, which are saved at once; the songs are read for it by the next refresh().
    const std::optional<QString> &currentCategory() const { return m_currentCategory; }
    void setCurrentCategory(const std::optional<QString> &category);

    // Keeps the songs whose title, subtitle or key, or else whose plain text, holds the text, ignoring case and
    // diacritics (PDF songs by their text only with the setting searchPDFs). An empty text removes the filter.
    void setFilter(const QString &filter);
    const std::optional<QString> &filter() const { return m_filter; }
    // The filtered subset of songs(); nullopt while no filter is set.
    const std::optional<QList<SongPtr>> &filteredSongs() const { return m_filteredSongs; }

    // The rows of the song list: the filtered songs while a filter is set, else songs().
    const QList<SongPtr> &rows() const { return m_filteredSongs ? *m_filteredSongs : m_songs; }
    int numberOfRows() const { return int(rows().size()); }
    // nullptr outside the rows.
    SongPtr songForRow(int row) const;
    // True when a song of songs() has exactly this path.
    bool containsPath(const QString &path) const;
    // The library's song that an entry names (a playlist entry, a remembered reference, a library song):
    // by reference among the current songs, then among all songs, then by title or condensed reference,
    // then by a file name beginning with the title. A note is its own song. nullptr when none matches.
    SongPtr songForSong(const SongPtr &entry);

    // Writes the sample song "Greensleeves.pro" into the song folder, unless a file of that name is there
    // already (the user may have edited it). Answers its path; empty when there is no song folder or the write fails.
    QString createSampleSong();

    // Rebuilds the tag index over all songs, each list in the current order.
    void refreshTags();
    // Appends the song to the tag's list unless it holds the song's file already, and takes it off the list of
    // songs without tags (the caller has written the tag into the song).
    void addTag(const QString &tag, const SongPtr &song);
    const QMap<QString, QList<SongPtr>> &songsByTag() const { return m_songsByTag; }
    const QList<SongPtr> &songsWithoutTag() const { return m_songsWithoutTag; }

    // The song of a file directly in the song folder or in a category folder, read on its own before the library
    // is: the next read of the library keeps this very object for the file while it stays unchanged. Null when
    // path names no such song file.
    SongPtr readSongAhead(const QString &path);

    // The current category's songs (all songs without one) in the current order.
    const QList<SongPtr> &songs() const { return m_songs; }
    const Categories &categories() const { return m_categories; }
    const std::optional<QList<SongPtr>> &allSongsCache() const { return m_allSongsCache; }

private:
    // How a list was sorted: the songs found in it keep its order while this stays the same.
    struct ListOrder
    {
        SongOrder::Comparison comparison;
        bool sortIPodStyle;
        quint64 storesOfAnySong;
        bool operator==(const ListOrder &) const = default;
    };
    static ListOrder currentListOrder();

    // The lists the library takes from its songs in order, worked out a turn before it takes them, with what they
    // were worked out from.
    struct Lists
    {
        QMap<QString, QList<SongPtr>> songsByTag;
        QList<SongPtr> songsWithoutTag;
        QList<SongPtr> songs;
        std::optional<QList<SongPtr>> filteredSongs;
        ListOrder order;
        std::optional<QString> category;
        std::optional<QString> filter;
        bool searchPDFs;
        // Still what the library would work out now.
        bool holdFor(const Songs &library) const;
    };
    // A scan being taken as the library: its songs are made and sorted a slice at a time, as the scan hands its files
    // over, then everything is taken at once, so that nothing ever sees a library taken in part.
    struct Adoption
    {
        Adoption(SongFolderReader::Scan scan, const QElapsedTimer &timer, qsizetype filesPerTurn)
            : scan(std::move(scan))
            , timer(timer)
            , filesPerTurn(filesPerTurn)
        {}
        SongFolderReader::Scan scan;
        QElapsedTimer timer;
        qsizetype filesPerTurn;
        SongFolderReader::Progress made;
        QList<SongPtr> ordered;         // the songs made, in the current order
        std::optional<ListOrder> order; // the order of the last turn
        bool resort = false;
        std::optional<Lists> lists;
        bool listsPutOff = false;
        int turns = 0;
        // Of the files handed over, those whose songs are still to be made.
        qsizetype filesToMake() const;
    };
    // What a scan answers once it is done: the song folder's entries.
    using ScanFuture = QFuture<QList<FolderListing::Entry>>;
    // A background load: its scan runs on a worker thread until cancelled, handing what it reads to the main thread,
    // which takes it in turns of the event loop; the library holds what it held before until the last turn.
    struct Load
    {
        std::unique_ptr<QTimer> nextTurn;
        std::shared_ptr<ScanQueue> queue;
        std::unique_ptr<QFutureWatcher<QList<FolderListing::Entry>>> watcher;
        // What the scan answered once it is done: what the queue still holds is the last of it.
        std::optional<QList<FolderListing::Entry>> rootEntries;
        QString root;
        std::optional<Adoption> adoption;
    };

    // The scan of the song folder, on this thread, into scan; whenRead is called after each piece handed over.
    void scanNow(const QString &root, SongFolderReader::Scan &scan, const std::function<void()> &whenRead = {});
    // Reads the song folder on this thread and takes it as the library: categories, the sample song in an empty
    // library, songs, orders, tags, rows and the MIDI index.
    void adopt(const QString &root, const QElapsedTimer &timer);
    // Once the adoption's scan is complete: an empty song folder gets the sample song, read at once.
    void offerSampleSong(Adoption &adoption);
    // One turn's part of that: a slice of the songs made and merged into the order; then the lists worked out;
    // then all of it taken as the library. True once the adoption is done (or dropped).
    bool adoptSlice(Adoption &adoption);
    // Makes the next slice of songs and merges it into the order; true once the last is made.
    bool makeSlice(Adoption &adoption);
    // The same without the merge.
    bool makeSongs(Adoption &adoption);
    Lists listsOf(const QList<SongPtr> &ordered);
    void takeAdoption(Adoption &adoption);
    // A song folder without categories nor songs.
    static bool holdsNoSong(const SongFolderReader::Scan &scan);
    // The background load's scan is done.
    void loadFinished();
    // Takes the next slice of the background load's scan; once it is all taken, tells the loaded handler and
    // whoever waits.
    void adoptionTurn();
    // Moves the pieces the background load's scan has handed over to its adoption, a turn's worth; false while
    // there is less than that and the scan goes on.
    bool takeHandedOver(Load &load);
    // Stops the load under way; its threads are waited for when the library goes.
    void cancelLoad();
    // The categories of the scan, with their song counts.
    void takeCategories(const SongFolderReader::Scan &scan);
    // The songs of the song folder and its categories read on this thread, with their searched texts.
    QList<SongPtr> readAllSongs(const QString &root);
    // All songs in the current order.
    QList<SongPtr> allSongsInOrder();
    // The tag lists of all songs in the current order.
    static void tagListsOf(const QList<SongPtr> &ordered, QMap<QString, QList<SongPtr>> &songsByTag,
                           QList<SongPtr> &songsWithoutTag);

    QList<SongPtr> m_songs;
    std::optional<ListOrder> m_songsOrder;
    Categories m_categories;
    std::optional<QString> m_currentCategory;
    std::optional<QString> m_filter;
    std::optional<QList<SongPtr>> m_filteredSongs;
    QMap<QString, QList<SongPtr>> m_songsByTag;
    QList<SongPtr> m_songsWithoutTag;
    std::optional<QList<SongPtr>> m_allSongsCache;

    std::optional<Load> m_load;
    // A refresh was asked while the load ran: another follows it.
    bool m_refreshAfterLoad = false;
    std::function<void()> m_loadedHandler;
    std::vector<std::pair<QPointer<QObject>, std::function<void()>>> m_whenLoaded;
    // Scans cancelled but maybe still running: waited for when the library goes.
    QList<ScanFuture> m_cancelledScans;

    SongFolderReader m_reader;
    SongReferenceIndex m_referenceIndex;
    SongFilter m_songFilter;
    SongOrder m_order;
};
