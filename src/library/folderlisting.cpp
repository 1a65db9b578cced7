// Listing a folder without looking at each entry on its own.
#include "folderlisting.h"

#include <QDirIterator>

#include <algorithm>

QList<FolderListing::Entry> FolderListing::sortedEntries(const QString &folder)
{
    // The listing's own file types serve, so no entry is looked up on its own.
    QList<Entry> entries;
    for (QDirIterator it(folder, QDir::AllEntries | QDir::NoDotAndDotDot); it.hasNext();) {
        it.next();
        entries.append({it.fileName(), it.fileInfo().isDir()});
    }
    std::sort(entries.begin(), entries.end(), [](const Entry &a, const Entry &b) {
        const int order = QString::compare(a.name, b.name, Qt::CaseInsensitive);
        return order != 0 ? order < 0 : a.name < b.name;
    });
    return entries;
}
