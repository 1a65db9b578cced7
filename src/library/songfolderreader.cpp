// Listing a song folder and making (or reusing) one Song per song file.
#include "songfolderreader.h"

#include "librarysettings.h"
#include "log.h"
#include "pdfsong.h"
#include "prefs.h"
#include "song.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>

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
    const QFileInfoList entries =
        dir.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const QFileInfo &entry : entries) {
        if (entry.isDir()) {
            if (subfolders)
                subfolders->append(entry.fileName());
            continue;
        }
        if (SongPtr song = songForFile(entry, supportPDF)) {
            song->setCategory(category);
            songs.append(song);
        }
    }
    Log::write(QStringLiteral("read songs in %1 in %2 ms").arg(folder).arg(timer.nsecsElapsed() / 1e6));
    return songs;
}

SongPtr SongFolderReader::songForFile(const QFileInfo &file, bool supportPDF)
{
    const QString path = file.filePath();
    const bool isText = Song::isChordProFile(path) || Song::isTabFile(path);
    if (!isText && !(supportPDF && PDFSong::isPDF(path)))
        return nullptr;
    const ReadFile known = m_previous.value(path);
    const bool unchanged =
        known.song && known.size == file.size() && known.modified == file.lastModified() && !known.song->loadFailed();
    const SongPtr song = unchanged ? known.song
                         : isText  ? std::make_shared<Song>(path)
                                   : std::static_pointer_cast<Song>(std::make_shared<PDFSong>(path));
    m_current.insert(path, {song, file.size(), file.lastModified()});
    return song;
}
