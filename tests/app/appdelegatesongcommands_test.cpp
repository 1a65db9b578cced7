// The application's commands on the current song's transposition and capo, the playlist entry's key, and the
// song view following the editor, with recording panes and real song files.
#include "appdelegatefixture.h"

#include "mainmenus.h"
#include "mainwindow.h"
#include "playlist.h"
#include "prefs.h"
#include "songdisplay.h"
#include "songs.h"
#include "songviewviewcontroller.h"

#include <QCoreApplication>
#include <QScrollArea>
#include <QScrollBar>

namespace {

class SongCommandsTest : public AppDelegateTest
{
protected:
    SongDisplay &view() { return delegate->songViewViewController()->songView(); }

    // Shows the song with both spellings forced and a transposition, so a reset is seen.
    void showTransposed(const SongPtr &song, int transpose)
    {
        delegate->setCurrentSong(song);
        view().setTranspose(transpose);
        calls.calls.clear();
    }
};

} // namespace

TEST_F(SongCommandsTest, TheCapoIsWrittenAndTheSongShownAtMinusIt)
{
    launch(folder.path());
    const SongPtr song = writeSong(QStringLiteral("s.pro"), QStringLiteral("{title: S}\n{key: D}\n[D]la"));
    showTransposed(song, 4);
    view().setAllChordsSharp(true);
    delegate->setCapo(3);
    EXPECT_EQ(view().transpose(), -3);
    EXPECT_FALSE(view().allChordsSharp());
    EXPECT_FALSE(view().allChordsFlat());
    EXPECT_EQ(Song(song->path()).capo(), 3);

    // "No Capo" removes the directive.
    delegate->setCapo(0);
    EXPECT_EQ(view().transpose(), 0);
    EXPECT_FALSE(fileText(song->path()).contains(QStringLiteral("apo"), Qt::CaseInsensitive));
}

TEST_F(SongCommandsTest, SavingATranspositionWritesTheChordsInTheSpellingAsked)
{
    launch(folder.path());
    struct Case
    {
        const char *chords;
        int step;
        bool flat;
        bool sharp;
        const char *written;
    };
    const Case cases[] = {
        {"[D]la [B]la", 2, true, false, "[E]la [Db]la"},
        // Without a spelling asked the new key decides: E is written with sharps, Bb with flats.
        {"[D]la [B]la", 2, false, false, "[E]la [C#]la"},
        {"[A]la [D]la", 1, false, false, "[Bb]la [Eb]la"},
        {"[A]la [D]la", 1, false, true, "[A#]la [D#]la"},
    };
    int number = 0;
    for (const Case &c : cases) {
        ++number;
        const SongPtr song = writeSong(QStringLiteral("%1.pro").arg(number),
                                       QStringLiteral("{title: %1}\n").arg(number) + QString::fromUtf8(c.chords));
        showTransposed(song, c.step);
        view().setAllChordsFlat(c.flat);
        view().setAllChordsSharp(c.sharp);
        delegate->transposeSave();
        // Written to the file whether or not the editor is shown (with it hidden it used to stay unwritten).
        EXPECT_TRUE(fileText(song->path()).contains(QString::fromUtf8(c.written))) << c.written;
        EXPECT_EQ(view().transpose(), 0) << c.written;
        EXPECT_FALSE(view().allChordsFlat() || view().allChordsSharp()) << c.written;
    }
}

TEST_F(SongCommandsTest, ATranspositionSavedOverUnsavedEditsGoesIntoTheEditor)
{
    launch(folder.path());
    const SongPtr song = showEditedSong(QStringLiteral("e.pro"), QStringLiteral("{title: E}\n[C]la"),
                                        QStringLiteral("{title: E}\n[C]lo"));
    view().setTranspose(2);
    delegate->transposeSave();
    EXPECT_EQ(song->text(), QStringLiteral("{title: E}\n[D]lo"));
    EXPECT_EQ(fileText(song->path()), QStringLiteral("{title: E}\n[C]la")) << "the edits are not saved unasked";
    EXPECT_EQ(calls.count(QStringLiteral("songEdit.updateFromCurrentSong")), 1);
}

TEST_F(SongCommandsTest, APlaylistKeyIsWrittenOnlyIntoTheEntryOfTheSongShown)
{
    writeSong(QStringLiteral("a.pro"), QStringLiteral("{title: A}\n{key: C}\n[C]la"));
    writeSong(QStringLiteral("b.pro"), QStringLiteral("{title: B}\n{key: G}\n[G]la"));
    const QString listPath = folder.filePath(QStringLiteral("Set.lst"));
    ASSERT_TRUE(TextFile::write(listPath, QStringLiteral("Set\nA [E]\nB\n")));
    launch(folder.path());
    delegate->prefs()->setShowPlaylists(true);
    const std::shared_ptr<PlayList> playlist = PlayList::fromFile(listPath);
    playlistsPane.playlist = playlist;
    const SongPtr entryA = playlist->songs().at(0);
    const SongPtr entryB = playlist->songs().at(1);
    delegate->setCurrentSong(std::make_shared<Song>(folder.filePath(QStringLiteral("a.pro"))));

    struct Case
    {
        const char *what;
        SongPtr entry;
        const char *key;
        const char *file;
    };
    const Case cases[] = {
        // A song shown by MIDI or a peer while another entry is selected used to write its key there.
        {"another entry", entryB, "D", "Set\nA [E]\nB\n"},
        {"the song's entry", entryA, "D", "Set\nA [D]\nB\n"},
        {"the song's own key clears it", entryA, "C", "Set\nA\nB\n"},
        {"nothing to clear", entryA, "C", "Set\nA\nB\n"},
    };
    for (const Case &c : cases) {
        playlistsPane.entry = c.entry;
        calls.calls.clear();
        delegate->updatePlaylistKey(QString::fromUtf8(c.key));
        EXPECT_EQ(fileText(listPath), QString::fromUtf8(c.file)) << c.what;
        EXPECT_EQ(calls.calls, QStringList{QStringLiteral("playlists.refresh")}) << c.what;
    }

    // With the playlists hidden nothing is written and nothing refreshed.
    delegate->prefs()->setShowPlaylists(false);
    calls.calls.clear();
    delegate->updatePlaylistKey(QStringLiteral("F"));
    EXPECT_EQ(fileText(listPath), QStringLiteral("Set\nA\nB\n"));
    EXPECT_TRUE(calls.calls.isEmpty());
}

TEST_F(SongCommandsTest, TheSongViewFollowsTheEditorsTopLine)
{
    QString text = QStringLiteral("{title: Long}\n");
    for (int line = 0; line < 120; ++line)
        text += QStringLiteral("line %1 of the song\n").arg(line);
    launch(folder.path());
    delegate->setCurrentSong(writeSong(QStringLiteral("long.pro"), text));
    delegate->window()->resize(900, 500);
    QCoreApplication::processEvents();
    SongViewViewController &pane = *delegate->songViewViewController();
    pane.refresh();

    const qsizetype index = text.indexOf(QStringLiteral("line 60 "));
    delegate->scrollSongViewWithEditor(index);
    const qint64 line = view().lineForCursorPos(quint64(index));
    const int value = pane.songScrollView()->verticalScrollBar()->value();
    EXPECT_GT(value, 0);
    EXPECT_NEAR(value / view().pointScale(), view().yForLine(line), 1.0) << "line " << line << " at the top";
}

TEST_F(SongCommandsTest, TheMenuItemsDriveThePane)
{
    launch(folder.path());
    delegate->setCurrentSong(writeSong(QStringLiteral("c.pro"), QStringLiteral("{title: C}\n{time: 1:00}\n[C]la")));
    QCoreApplication::processEvents();
    const auto run = [this](const char *name) {
        QAction *item = delegate->menus()->action(QString::fromLatin1(name));
        ASSERT_NE(item, nullptr) << name;
        delegate->updateCommandStates();
        ASSERT_TRUE(item->isEnabled()) << name;
        item->trigger();
    };
    run("actTransposeUp");
    run("actTransposeUp");
    run("actTransposeDown");
    EXPECT_EQ(view().transpose(), 1);
    run("actTransposeAllB");
    EXPECT_TRUE(view().allChordsFlat());
    run("actTransposeReset");
    EXPECT_EQ(view().transpose(), 0);
    EXPECT_FALSE(view().allChordsFlat());

    SongViewViewController &pane = *delegate->songViewViewController();
    run("actAutoScrollSlower");
    EXPECT_EQ(pane.playingTime(), 61);
    EXPECT_TRUE(delegate->menus()->action(QStringLiteral("actAutoScrollSave"))->isEnabled())
        << "a change of the playing time updates the items";
    run("actAutoScrollSave");
    EXPECT_EQ(Song(delegate->currentSong()->path()).playingTime(), 61);
}

TEST_F(SongCommandsTest, TheKeyTheUserEntersIsWrittenAndAnEmptyOrCancelledAnswerChangesNothing)
{
    launch(folder.path());
    const SongPtr song = writeSong(QStringLiteral("k.pro"), QStringLiteral("{title: K}\n{key: G}\n[G]la"));
    delegate->setCurrentSong(song);
    struct Case
    {
        std::optional<QString> answer; // nothing: cancelled
        const char *key;
    };
    const Case cases[] = {
        {QStringLiteral("A"), "A"},     {QString(), "A"}, {QStringLiteral("  "), "A"}, {std::nullopt, "A"},
        {QStringLiteral(" Bb "), "Bb"},
    };
    for (const Case &c : cases) {
        dialogs.textPromptsShown.clear();
        dialogs.textAnswers = {c.answer};
        const QString before = fileText(song->path());
        const QString keyBefore = song->key();
        delegate->setKey();
        ASSERT_EQ(dialogs.textPromptsShown.size(), 1);
        EXPECT_EQ(dialogs.textPromptsShown[0].title, QStringLiteral("Enter Key"));
        EXPECT_EQ(dialogs.textPromptsShown[0].text, keyBefore) << "the field holds the song's key";
        EXPECT_EQ(Song(song->path()).key(), QString::fromLatin1(c.key));
        if (!c.answer || c.answer->trimmed().isEmpty()) {
            EXPECT_EQ(fileText(song->path()), before) << "nothing is written";
        }
    }
}

TEST_F(SongCommandsTest, NashvilleNumbersAreWrittenEachWayAndTheSongPaneShowsThem)
{
    launch(folder.path());
    const QString original = QStringLiteral("{title: N}\n{key: G}\n[G]la [C]la [D7]la");
    const SongPtr song = writeSong(QStringLiteral("n.pro"), original);
    delegate->setCurrentSong(song);
    QCoreApplication::processEvents();
    const QStringList before = view().uniqueChordNamesFromPositionY(0);

    delegate->convertToNNS();
    EXPECT_TRUE(Song(song->path()).isNNS());
    EXPECT_EQ(song->text(), fileText(song->path()));
    EXPECT_NE(view().uniqueChordNamesFromPositionY(0), before) << "the song pane shows the numbers";

    delegate->convertFromNNS();
    EXPECT_EQ(fileText(song->path()), original);
    EXPECT_EQ(view().uniqueChordNamesFromPositionY(0), before);
}
