// Files dropped on the launched window with the real panes: over the editor they become links in the song being
// edited, saved as typing is; over the list they are imported, after the edits of the song shown are saved.
#include "doubleclicktextview.h"
#include "filedrag.h"
#include "mainwindow.h"
#include "panesplitview.h"
#include "panestestwindow.h"
#include "songeditviewcontroller.h"
#include "testfiles.h"
#include "vellorinappdelegate.h"

#include <QDirIterator>
#include <QUrl>

namespace {

class EditorDropsTest : public PanesTestWindow
{
protected:
    void SetUp() override
    {
        writeSampleFolder();
        launch();
        ASSERT_TRUE(delegate->isSongEditVisible());
        clickRow(rowOfTitle("Yesterday"));
    }

    QPoint centreOf(PaneSplitView::Pane pane) const
    {
        const QWidget *view = delegate->splitView()->paneView(pane);
        return view->mapTo(delegate->window(), view->rect().center());
    }
    bool dropOn(PaneSplitView::Pane pane, const QStringList &paths)
    {
        return FileDrag::over(*delegate->window(), paths, centreOf(pane), true);
    }
    QString outside(const QString &name, const QByteArray &bytes)
    {
        return TestFiles::write(QDir(elsewhere.path()).filePath(name), bytes);
    }
    // Every file of the song folder, relative to it, sorted.
    QStringList songFolderFiles() const
    {
        QStringList files;
        QDirIterator it(folder.path(), QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext())
            files.append(QDir(folder.path()).relativeFilePath(it.next()));
        files.sort();
        return files;
    }
    static QString link(const QString &path) { return QUrl::fromLocalFile(path).toString() + u'\n'; }

    QTemporaryDir elsewhere;
    const QString yesterday = QStringLiteral("{title: Yesterday}\n{subtitle: Beatles}\n{key: F}\n[F]Yesterday\n");
};

} // namespace

TEST_F(EditorDropsTest, FilesDroppedOnTheEditorBecomeLinksInTheEditedSongAndNothingElseHappens)
{
    const QString pdf = outside(QStringLiteral("sheet.pdf"), "%PDF-1.4");
    const QString song = outside(QStringLiteral("other.pro"), "{title: Other}\n");
    const QString image = outside(QStringLiteral("photo.png"), QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16));
    const QStringList folderBefore = songFolderFiles();
    struct Case
    {
        const char *what;
        QStringList dropped;
        QString links;
    };
    const Case cases[] = {
        {"a PDF, then a song", {pdf, song}, link(pdf)},
        {"a song, then a PDF", {song, pdf}, link(pdf)},
        {"a PDF alone", {pdf}, link(pdf)},
        {"a song alone", {song}, QString()},
        {"an image and a PDF", {image, pdf}, link(image) + link(pdf)},
    };
    // The links of each case add to those saved before.
    QString saved = yesterday;
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        clickRow(rowOfTitle("Yesterday"));
        ASSERT_EQ(currentSong()->title(), "Yesterday");
        editor().songTextView()->moveCursor(QTextCursor::End);

        EXPECT_TRUE(dropOn(PaneSplitView::SongEditPane, c.dropped));
        EXPECT_EQ(songFolderFiles(), folderBefore) << "nothing is imported";
        EXPECT_EQ(currentSong()->title(), "Yesterday");
        EXPECT_EQ(currentSong()->text(), saved + c.links);
        EXPECT_EQ(editor().isDirty(), !c.links.isEmpty());
        EXPECT_EQ(read(path("Blues/Yesterday.pro")), saved) << "not written before the user saves";

        // Leaving the song asks about the links as about any typing, and saves them.
        dialogs.asked.clear();
        dialogs.answers = {Dialogs::Answer::Default};
        clickRow(rowOfTitle("Wild Rover"));
        EXPECT_EQ(dialogs.asked.size(), c.links.isEmpty() ? 0 : 1);
        saved += c.links;
        EXPECT_EQ(read(path("Blues/Yesterday.pro")), saved);
    }
}

TEST_F(EditorDropsTest, ASongDroppedOnTheListIsShownAfterTheEditsOfTheSongShownAreSaved)
{
    const QString song = outside(QStringLiteral("other.pro"), "{title: Other}\n[C]la\n");
    typeIntoEditor("typed");
    ASSERT_TRUE(dropOn(PaneSplitView::ListPane, {song}));
    EXPECT_EQ(read(path("Blues/Yesterday.pro")), yesterday + "typed");
    EXPECT_EQ(currentSong()->title(), "Other");
    EXPECT_EQ(songFolderFiles().filter(QStringLiteral("Other.pro")).size(), 1);
    EXPECT_EQ(editor().songTextView()->toPlainText(), "{title: Other}\n[C]la\n");
}
