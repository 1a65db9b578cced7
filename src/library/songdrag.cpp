// Songs dragged out of a table as file URLs.
#include "songdrag.h"

#include "filename.h"
#include "log.h"

#include <QMimeData>
#include <QUrl>

std::set<int> SongDrag::rowsOf(const QModelIndexList &indexes)
{
    std::set<int> rows;
    for (const QModelIndex &index : indexes)
        rows.insert(index.row());
    return rows;
}

QMimeData *SongDrag::fileUrls(const std::set<int> &rows, const std::function<SongPtr(int)> &songForRow)
{
    QList<QUrl> urls;
    for (int row : rows) {
        const SongPtr song = songForRow(row);
        if (!song || song->path().isEmpty())
            continue; // unresolved entries and notes have no file to drag
        const QUrl url = FileName::toUrl(song->path());
        Log::write(QStringLiteral("Adding %1").arg(url.toString()));
        urls.append(url);
    }
    auto *data = new QMimeData;
    data->setUrls(urls);
    return data;
}
