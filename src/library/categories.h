// The song categories: the direct, non-hidden sub-folders of the song folder, with their song counts.
#pragma once

#include "folderlisting.h"
#include "popupmenuitem.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

class Categories
{
public:
    // The tags of the category pop-up's items: a category name, all songs, the songs outside any category.
    enum Tag { CategoryTag = 0, AllSongsTag = 1, UnfiledTag = 2 };

    Categories();
    // Reads the category names again, then whether the song folder holds songs beside its categories, and counts
    // the songs of every folder.
    void refresh();
    // The same from a listing of the song folder and the song counts of a library read just taken (by category,
    // "" for the song folder itself), so that nothing is listed again.
    void refresh(const QList<FolderListing::Entry> &rootEntries, const QHash<QString, int> &songCounts);

    int count() const { return int(m_categories.size()); }
    QString categoryAtIndex(int index) const { return m_categories.value(index); }
    bool existsCategory(const QString &name) const { return m_categories.contains(name); }
    // The song files of a category folder ("" = the song folder itself): song text files, and PDF files
    // when PDF songs are on. Tab files are not counted. 0 for a folder that cannot be listed.
    static int numberOfSongsInCategory(const QString &name);
    // The same count over the listed entries of that folder.
    static int numberOfSongs(const QString &folder, const QList<FolderListing::Entry> &entries);
    // The items of the category pop-up: "- All Songs -", then "- Unfiled -" when hasUnfiled(), then every
    // category, titled by its readable name and holding its real one; with counts as "Name (12)" when asked,
    // those of the last refresh.
    QList<PopupMenuItem> popupMenuItems(bool withCount) const;

    // The names, sorted ignoring case.
    const QStringList &categories() const { return m_categories; }
    void setCategories(const QStringList &categories) { m_categories = categories; }
    // True when there is a category and the song folder itself holds a song.
    bool hasUnfiled() const { return m_hasUnfiled; }
    void setHasUnfiled(bool hasUnfiled) { m_hasUnfiled = hasUnfiled; }

private:
    void loadCategories(const QList<FolderListing::Entry> &rootEntries);

    bool m_hasUnfiled = false;
    QStringList m_categories;
    QHash<QString, int> m_songCounts;
};
