// The table models of the song list and the playlist: column texts, dragged files and the reordering drop.
#include "playlisttablemodel.h"
#include "songstablemodel.h"

#include "libraryfolder.h"
#include "notesong.h"
#include "playlist.h"
#include "song.h"
#include "songs.h"

#include <QFile>
#include <QFont>
#include <QMimeData>
#include <QSignalSpy>
#include <QUrl>

#include <memory>

#include <fcntl.h>
#include <unistd.h>

namespace {

class TableModels : public LibraryFolder
{
protected:
    TableModels()
    {
        write(QStringLiteral("a.pro"), songText("Alpha", "One", "{key: Bb}\n{time: 3:05}\n{musicpath: a.mp3}\n"));
        write(QStringLiteral("a.mp3"), "ID3");
        write(QStringLiteral("b.pro"), songText("Bravo", QString(), "[Am]la\n"));
        context.songsObject = &library;
        library.refresh();
    }

    QStringList row(const QAbstractItemModel &model, int row) const
    {
        QStringList texts;
        for (int column = 0; column < model.columnCount(); ++column)
            texts.append(model.data(model.index(row, column)).toString());
        return texts;
    }

    Songs library;
};

std::shared_ptr<PlayList> playlistOf(const QStringList &lines, const QString &file)
{
    const auto playlist = PlayList::fromString(QStringLiteral("Set\n") + lines.join(u'\n'));
    playlist->setPath(file);
    return playlist;
}

QStringList entryTitles(const PlayList &playlist)
{
    QStringList titles;
    for (const SongPtr &entry : playlist.songs())
        titles.append(entry->title());
    return titles;
}

} // namespace

TEST_F(TableModels, SongListColumnsAndDraggedFiles)
{
    SongsTableModel model(library);
    ASSERT_EQ(model.rowCount(), 2);
    EXPECT_EQ(row(model, 0), QStringList({"Alpha \u266B", "One", "Bb", "3:05"}));
    EXPECT_EQ(row(model, 1), QStringList({"Bravo", "", "Am", ""}));
    prefs.setGermanChords(true);
    EXPECT_EQ(model.data(model.index(0, 2)).toString(), QStringLiteral("B"));

    library.setFilter(QStringLiteral("bravo"));
    model.reload();
    EXPECT_EQ(model.rowCount(), 1);
    const std::unique_ptr<QMimeData> data(model.mimeData({model.index(0, 0), model.index(0, 1)}));
    EXPECT_EQ(data->urls(), QList<QUrl>({QUrl::fromLocalFile(path(QStringLiteral("b.pro")))}));
    EXPECT_EQ(model.supportedDragActions(), Qt::CopyAction);
}

// Another program given the dragged file's URL finds the file by its own bytes, whatever its name.
TEST_F(TableModels, ADraggedFileWhoseNameIsNotUtf8KeepsItsBytesInItsUrl)
{
    const QByteArray raw = QFile::encodeName(path(QString())) + "/Caf\xe9 #1.pro";
    ASSERT_EQ(::close(::creat(raw.constData(), 0644)), 0);
    library.refresh();
    SongsTableModel model(library);
    library.setFilter(QStringLiteral("caf"));
    model.reload();
    ASSERT_EQ(model.rowCount(), 1);
    const std::unique_ptr<QMimeData> data(model.mimeData({model.index(0, 0)}));
    ASSERT_EQ(data->urls().size(), 1);
    const QUrl url = data->urls().at(0);
    EXPECT_EQ(url.scheme(), QStringLiteral("file"));
    EXPECT_EQ(QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1()), raw);
    ::unlink(raw.constData());
}

TEST_F(TableModels, PlaylistColumnsShowTheLibrarysSongs)
{
    PlayListTableModel model;
    model.setPlayList(playlistOf({"Alpha - One [C#]", "#Tune%0Adown", "Bravo", "Gone - Away"}, path("set.lst")));
    ASSERT_EQ(model.rowCount(), 4);
    EXPECT_EQ(row(model, 0), QStringList({"Alpha \u266B", "One", "C#", "3:05"}));
    EXPECT_EQ(row(model, 1), QStringList({"Tune down", "", "", ""}));
    EXPECT_EQ(row(model, 2), QStringList({"Bravo", "", "Am", ""}));
    EXPECT_EQ(row(model, 3), QStringList({"Gone", "Away", "", ""}));
    EXPECT_TRUE(model.data(model.index(0, 2), Qt::FontRole).value<QFont>().bold());
    EXPECT_FALSE(model.data(model.index(2, 2), Qt::FontRole).isValid());
    EXPECT_TRUE(model.data(model.index(1, 0), Qt::FontRole).value<QFont>().italic());
}

TEST_F(TableModels, DraggingMovesTheFirstDraggedEntryAndSaves)
{
    PlayListTableModel model;
    const auto playlist = playlistOf({"A", "B", "C", "D", "E", "F"}, path("set.lst"));
    model.setPlayList(playlist);
    QSignalSpy reordered(&model, &PlayListTableModel::reordered);

    const std::unique_ptr<QMimeData> rows35(model.mimeData({model.index(3, 0), model.index(5, 0)}));
    EXPECT_TRUE(rows35->hasFormat(PlayListTableModel::songItemType));
    // Dropped onto row 3 itself: refused.
    EXPECT_FALSE(model.dropMimeData(rows35.get(), Qt::CopyAction, -1, -1, model.index(3, 0)));
    // Dropped above row 1: only row 3 moves.
    EXPECT_TRUE(model.dropMimeData(rows35.get(), Qt::CopyAction, 1, 0, QModelIndex()));
    EXPECT_EQ(entryTitles(*playlist), QStringList({"A", "D", "B", "C", "E", "F"}));
    EXPECT_EQ(read(path("set.lst")), "Set\nA\nD\nB\nC\nE\nF\n");
    EXPECT_EQ(reordered.count(), 1);

    struct Case
    {
        int from;
        int target;
        QStringList order;
    };
    const Case cases[] = {
        {0, 2, {"D", "A", "B", "C", "E", "F"}}, // from above: lands one row higher
        {2, 0, {"B", "D", "A", "C", "E", "F"}},
        {1, 6, {"B", "A", "C", "E", "F", "D"}}, // below the last row
    };
    for (const Case &c : cases) {
        const std::unique_ptr<QMimeData> dragged(model.mimeData({model.index(c.from, 0)}));
        EXPECT_TRUE(model.canDropMimeData(dragged.get(), Qt::CopyAction, c.target, 0, QModelIndex()));
        EXPECT_TRUE(model.dropMimeData(dragged.get(), Qt::CopyAction, c.target, 0, QModelIndex()));
        EXPECT_EQ(entryTitles(*playlist), c.order) << c.from << " to " << c.target;
    }

    // Rows from another table, or beyond the end, are refused.
    PlayListTableModel other;
    other.setPlayList(playlistOf({"X", "Y"}, path("other.lst")));
    const std::unique_ptr<QMimeData> foreign(other.mimeData({other.index(0, 0)}));
    EXPECT_FALSE(model.canDropMimeData(foreign.get(), Qt::CopyAction, 1, 0, QModelIndex()));
    EXPECT_FALSE(model.dropMimeData(foreign.get(), Qt::CopyAction, 1, 0, QModelIndex()));
    const std::unique_ptr<QMimeData> first(model.mimeData({model.index(0, 0)}));
    EXPECT_FALSE(model.dropMimeData(first.get(), Qt::CopyAction, 7, 0, QModelIndex()));
    EXPECT_EQ(reordered.count(), 4);
}

TEST_F(TableModels, DraggedPlaylistRowsCarryTheFilesOfResolvedSongs)
{
    PlayListTableModel model;
    model.setPlayList(playlistOf({"Alpha - One", "#note", "Gone", "Bravo"}, path("set.lst")));
    const std::unique_ptr<QMimeData> data(
        model.mimeData({model.index(0, 0), model.index(1, 0), model.index(2, 0), model.index(3, 0)}));
    EXPECT_EQ(data->urls(), QList<QUrl>({QUrl::fromLocalFile(path("a.pro")), QUrl::fromLocalFile(path("b.pro"))}));
}
