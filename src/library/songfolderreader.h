// Reads song folders into Song objects, reusing the object of every file that has not changed since.
#pragma once

#include "filestamp.h"
#include "folderlisting.h"
#include "songfilecontent.h"
#include "songfilter.h"
#include "songorder.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <utility>
#include <vector>

class Song;
using SongPtr = std::shared_ptr<Song>;

// A file counts as unchanged while its path and stamp (size, modification time, inode) are those it was read with; the
// result is then the same as reading every file afresh. A read has two steps: scan() lists the folders and reads the
// files on any thread (worker threads of its own), touching nothing but the files and their texts, and hands them
// over a piece at a time; songsOf() makes or reuses the songs of the pieces handed over on the main thread, while the
// scan reads the next ones. Everything else is main thread only.
class SongFolderReader
{
public:
    // A song file of a folder being read: its content once read, unless the last pass's song still held it.
    struct SongFile
    {
        QString path;
        FileStamp stamp;
        bool isText = false;
        // Counted among its folder's songs: a song text file or a PDF song, not a tab file.
        bool isCounted = false;
        std::optional<SongFileContent> content;
        SongFilter::SongTexts searched; // what the song made from the content is searched by, once read
        SongOrder::Keys sortKeys;       // and sorted by
    };
    // A piece of one folder as scan() hands it over: a batch of its files, read.
    struct FolderScan
    {
        QString folder;
        QString category;
        QList<SongFile> files;
        // Its song files as Categories counts them.
        int songCount = 0;
        // The folder's one-line diagnostics, in its last piece; written by songsOf() on the main thread.
        QStringList log;
        // In a scan's first piece: the song files of the whole scan, and how many of them it reads, so that room for
        // their songs is made once.
        qsizetype scanFiles = 0;
        qsizetype scanReadFiles = 0;
    };
    // Takes each piece as soon as it is read.
    using Sink = std::function<void(FolderScan piece)>;
    // What a scan needs, taken on the main thread: the song folder, the settings that decide what is a song, and
    // the files the last pass read with their stamps (unchanged files are not read again).
    struct Request
    {
        QString root;
        bool supportPDF = false;
        bool sortIPodStyle = false;
        QHash<QString, FileStamp> known;
    };
    // The song folder's own songs, then each category's, as scan() handed them over so far.
    struct Scan
    {
        Scan() = default;
        explicit Scan(const Request &request)
            : root(request.root)
            , sortIPodStyle(request.sortIPodStyle)
        {}
        // Adds a piece handed over.
        void add(FolderScan piece)
        {
            if (folders.isEmpty()) {
                files = piece.scanFiles;
                readFiles = piece.scanReadFiles;
            }
            folders.append(std::move(piece));
        }
        // Every piece is in: what scan() answers goes here.
        void finish(QList<FolderListing::Entry> entries)
        {
            rootEntries = std::move(entries);
            complete = true;
        }

        QString root;
        // The setting the sort keys of the files read were worked out with.
        bool sortIPodStyle = false;
        QList<FolderListing::Entry> rootEntries;
        QList<FolderScan> folders;
        bool complete = false;
        // Of the whole scan, as its first piece tells.
        qsizetype files = 0;
        qsizetype readFiles = 0;
    };

    // What a scan of the song folder at root needs, from the settings and the last pass.
    Request request(const QString &root);
    // Lists the song folder and its categories and reads the files that are new or changed since the request's
    // pass, handing them to sink in order, a batch of files at a time as soon as they are read: every folder in one
    // piece at least. Answers the song folder's entries. Any thread (sink is called on it); stops early once
    // cancelled is set.
    static QList<FolderListing::Entry> scan(const Request &request, const std::atomic<bool> &cancelled,
                                            const Sink &sink);
    // How far songsOf() has gone through a scan.
    struct Progress
    {
        bool started = false;
        bool finished = false;
        qsizetype folder = 0;
        qsizetype file = 0;
        QList<SongPtr> songs; // so far
    };
    // The songs the scan found, in its order, a slice at a time: the last pass's song for every file it still holds,
    // else one made from what was read. The songs of up to files more files handed over go to progress.songs; true
    // once the last file of a complete scan is done, which ends the pass: what the scan did not find is forgotten.
    // Nothing else may read the folder until then; a pass left unfinished changes nothing but the files read on its
    // behalf.
    bool songsOf(Scan &scan, Progress &progress, qsizetype files);

    // The song of the file read on its own, taken as the last pass's song for it: the next pass keeps this
    // object while the file stays unchanged. Null when the file is no song file or cannot be read.
    SongPtr readAhead(const QString &path, bool supportPDF);

    // The searched texts of the songs made from files read since the last take, prepared on the reading
    // threads.
    std::vector<SongFilter::SongTexts> takeSearchableTexts() { return std::exchange(m_searchableTexts, {}); }
    // Their sort keys likewise, worked out with the setting sortIPodStyle of their scan.
    using PreparedKeys = std::vector<std::pair<const Song *, SongOrder::Keys>>;
    PreparedKeys takeSortKeys() { return std::exchange(m_sortKeys, {}); }

private:
    struct ReadFile
    {
        SongPtr song;
        FileStamp stamp;
        // The song's store generation when the stamp was taken.
        int generation = 0;
    };

    // A folder of a scan, listed before any file is read.
    struct ListedFolder
    {
        QString folder;
        QString category;
        QList<FolderListing::Entry> entries;
        qint64 listingNs = 0;
    };
    // Hands the songs of one folder by name, ignoring case, to sink: song text files and tab files, PDF files while
    // PDF songs are on; hidden entries are skipped. A folder that cannot be listed gives no songs and is logged.
    static void scanFolder(const ListedFolder &listed, const Request &request, const std::atomic<bool> &cancelled,
                           const Sink &sink);
    // Whether the scan reads the file, which the request does not know unchanged.
    static bool isRead(const SongFile &file, const Request &request);
    // The file at path, whose stamp the listing has just taken, when it is a song file.
    static std::optional<SongFile> songFile(const QString &path, const FileStamp &stamp, bool supportPDF);
    // Reads the text files the request does not know unchanged, several at once; none once cancelled.
    static void readNewTexts(std::span<SongFile> files, const Request &request, const std::atomic<bool> &cancelled);
    // Reads the file's content and what it is searched and sorted by.
    static void readContent(SongFile &file, bool sortIPodStyle);
    // Forgets the current pass's songs and makes room for the scan's.
    void startPass(const Scan &scan, Progress &progress);
    // The song of a file of the scan; null for a file that holds no text.
    SongPtr songOf(SongFile &file, bool sortIPodStyle);
    // The song of the file: the last pass's (known), else one made from what was read.
    SongPtr songFor(SongFile &file, SongPtr known);
    // The song of the last pass for the file, when the file is still the one it holds: unchanged since, or
    // written (or read again) by the song itself since. Null when the file must be read anew.
    SongPtr knownSong(const ReadFile &known, const FileStamp &stamp) const;

    QHash<QString, ReadFile> m_previous;
    QHash<QString, ReadFile> m_current;
    // Titles of tab songs depend on this setting, so a change of it means reading every file again.
    bool m_supportTabs = true;
    std::vector<SongFilter::SongTexts> m_searchableTexts;
    PreparedKeys m_sortKeys;
};
