// Listing the category folders and counting their songs.
#include "categories.h"

#include "filename.h"
#include "folderlisting.h"
#include "librarysettings.h"
#include "log.h"
#include "pdfsong.h"
#include "prefs.h"
#include "song.h"
#include "util.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>

#include <algorithm>

namespace {

QString songFolder(const QString &category)
{
    const QString root = Prefs::songDirectory();
    return category.isEmpty() ? root : QDir(root).filePath(category);
}

bool isCountedSong(const QString &path, bool supportPDF)
{
    return Song::isChordProFile(path) || (supportPDF && PDFSong::isPDF(path));
}

QString titled(const QString &title, int count, bool withCount)
{
    return withCount ? Util::addCount(count, title) : title;
}

} // namespace

Categories::Categories() = default;

void Categories::refresh()
{
    const QList<FolderListing::Entry> rootEntries = FolderListing::sortedEntries(Prefs::songDirectory());
    QHash<QString, int> songCounts{{QString(), numberOfSongs(Prefs::songDirectory(), rootEntries)}};
    for (const FolderListing::Entry &entry : rootEntries)
        if (entry.isDir)
            songCounts.insert(entry.name, numberOfSongsInCategory(entry.name));
    refresh(rootEntries, songCounts);
}

void Categories::refresh(const QList<FolderListing::Entry> &rootEntries, const QHash<QString, int> &songCounts)
{
    loadCategories(rootEntries);
    m_songCounts = songCounts;
    m_hasUnfiled = !m_categories.isEmpty() && m_songCounts.value(QString()) != 0;
}

void Categories::loadCategories(const QList<FolderListing::Entry> &rootEntries)
{
    QElapsedTimer timer;
    timer.start();
    m_categories.clear();
    const QString root = Prefs::songDirectory();
    const QDir folder(root);
    if (!folder.exists()) {
        Log::write(QStringLiteral("Error reading %1: %2").arg(root, QStringLiteral("no such folder")));
        return;
    }
    for (const FolderListing::Entry &entry : rootEntries)
        if (entry.isDir)
            m_categories.append(entry.name);
    Log::write(QStringLiteral("load categories for %1 %2 ms").arg(root).arg(timer.nsecsElapsed() / 1e6));
}

int Categories::numberOfSongsInCategory(const QString &name)
{
    const QString folder = songFolder(name);
    return numberOfSongs(folder, FolderListing::sortedEntries(folder));
}

int Categories::numberOfSongs(const QString &folder, const QList<FolderListing::Entry> &entries)
{
    const bool supportPDF = LibrarySettings::prefs().supportPDF();
    const QDir dir(folder);
    return int(std::count_if(entries.begin(), entries.end(), [&](const FolderListing::Entry &entry) {
        return !entry.isDir && isCountedSong(dir.filePath(entry.name), supportPDF);
    }));
}

QList<PopupMenuItem> Categories::popupMenuItems(bool withCount) const
{
    QList<PopupMenuItem> items;
    // The root is counted even without the "Unfiled" item, so "All Songs" counts every song file.
    int total = m_songCounts.value(QString());
    if (m_hasUnfiled)
        items.append(
            {titled(QCoreApplication::translate("Categories", "- Unfiled -"), total, withCount), UnfiledTag, {}});
    for (const QString &category : m_categories) {
        const int count = m_songCounts.value(category);
        items.append({titled(FileName::displayName(category), count, withCount), CategoryTag, category});
        total += count;
    }
    items.prepend(
        {titled(QCoreApplication::translate("Categories", "- All Songs -"), total, withCount), AllSongsTag, {}});
    return items;
}
