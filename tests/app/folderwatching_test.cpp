// The song folder watched by the application: changes by other programs refresh the library once, a moment after
// the last of them; the program's own writes and unsaved edits keep them away; a song changed elsewhere is shown
// as it is now.
#include "launcheddelegate.h"

#include "folderwatcher.h"
#include "logcapture.h"
#include "modalgate.h"
#include "songs.h"

#include <QProcess>
#include <QTest>

using namespace std::chrono_literals;

namespace {

const QString refreshLine = QStringLiteral("refresh current song path=");

class FolderWatchingTest : public LaunchedDelegateTest
{
protected:
    // Launches with short delays; the pause after the program's own writes as given.
    void launchWatching(std::chrono::milliseconds pause = 5000ms, std::chrono::milliseconds refresh = 100ms)
    {
        launchOnFolder();
        delegate->setFolderWatchDelays({30ms, refresh, pause});
        // Launching writes the settings, not into the song folder: nothing pauses the watching.
        ASSERT_FALSE(delegate->noFSRefresh());
    }

    // Changes the song folder as another program would.
    static void shell(const QString &command)
    {
        ASSERT_EQ(QProcess::execute(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), command}), 0)
            << command.toStdString();
    }

    int refreshes() const { return int(log.lines().filter(refreshLine).size()); }
    // Waits for a first refresh, then long enough for a second one to show.
    int refreshesAfterWaiting()
    {
        (void)QTest::qWaitFor([this] { return refreshes() > 0; }, 3000);
        QTest::qWait(400);
        return refreshes();
    }

    LogCapture log;
};

} // namespace

TEST_F(FolderWatchingTest, StartsAtLaunchWithTheGivenDelays)
{
    launchOnFolder();
    ASSERT_NE(delegate->folderWatcher(), nullptr);
    EXPECT_EQ(delegate->folderWatcher()->root(), root());
    const VellorinAppDelegate::FolderWatchDelays delays = delegate->folderWatchDelays();
    EXPECT_EQ(delays.latency, 2000ms);
    EXPECT_EQ(delays.refresh, 1000ms);
    EXPECT_EQ(delays.pause, 5000ms);
}

TEST_F(FolderWatchingTest, AFileMadeByAnotherProgramGivesOneRefreshThatReadsIt)
{
    launchWatching();
    testing::internal::CaptureStdout();
    shell(QStringLiteral("echo '{title: Second}' > '%1'").arg(path(QStringLiteral("Rock/second.pro"))));
    EXPECT_EQ(refreshesAfterWaiting(), 1);
    const std::string out = testing::internal::GetCapturedStdout();
    EXPECT_EQ(out, "Callback called\n") << "once for the one batch";
    EXPECT_TRUE(log.hasLineStartingWith(QStringLiteral("filesChangedAt ") + path(QStringLiteral("Rock"))));
    EXPECT_TRUE(delegate->songs()->containsPath(path(QStringLiteral("Rock/second.pro"))));
    EXPECT_EQ(calls.count(QStringLiteral("songEdit.refresh")), 1);
}

TEST_F(FolderWatchingTest, ABurstOfChangesGivesOneRefresh)
{
    // The refresh waits long enough that a busy machine still runs the ten writes within it.
    launchWatching(5000ms, 600ms);
    // Ten writes 20 ms apart arrive in several batches; each moves the refresh on.
    shell(QStringLiteral("cd '%1' && for i in 1 2 3 4 5 6 7 8 9 10; do echo $i > song$i.pro; sleep 0.02; done")
              .arg(root()));
    EXPECT_EQ(refreshesAfterWaiting(), 1);
}

TEST_F(FolderWatchingTest, ChangesAreDroppedWhileTheEditorHoldsUnsavedChanges)
{
    launchWatching();
    delegate->setCurrentSong(std::make_shared<Song>(path(QStringLiteral("Rock/first.pro"))));
    songEdit.dirty = true;
    ASSERT_TRUE(delegate->canSave());
    shell(QStringLiteral("echo x > '%1'").arg(path(QStringLiteral("Rock/other.pro"))));
    QTest::qWait(500);
    EXPECT_EQ(refreshes(), 0);
    EXPECT_FALSE(log.hasLineStartingWith(QStringLiteral("filesChangedAt ")));
}

TEST_F(FolderWatchingTest, TheProgramsOwnWritesPauseTheReactionUntilAMomentAfterTheLast)
{
    launchWatching(1000ms);
    const SongPtr song = writeSong(QStringLiteral("Rock/own.pro"), "{title: Own}\n");
    // An own save: its change, and any reported during the pause, are dropped.
    song->setText(QStringLiteral("{title: Own}\nsaved"));
    ASSERT_TRUE(song->save());
    EXPECT_TRUE(delegate->noFSRefresh());
    delegate->filesChangedAtPath(path(QStringLiteral("Rock/elsewhere.pro")));
    ASSERT_TRUE(QTest::qWaitFor([this] { return !delegate->noFSRefresh(); }, 3000));
    EXPECT_EQ(refreshes(), 0) << "the own save gave no refresh";
    // After the pause a change is handled again.
    delegate->filesChangedAtPath(path(QStringLiteral("Rock/elsewhere.pro")));
    EXPECT_EQ(refreshesAfterWaiting(), 1);
}

TEST_F(FolderWatchingTest, ANewFolderSilencesTheOldOne)
{
    launchWatching();
    const QTemporaryDir other;
    delegate->prefs()->setSongDirectoryPath(other.path());
    delegate->startWatchingSongFolder();
    shell(QStringLiteral("echo x > '%1'").arg(path(QStringLiteral("Rock/old.pro"))));
    QTest::qWait(500);
    EXPECT_EQ(refreshes(), 0);
    shell(QStringLiteral("echo x > '%1/new.pro'").arg(other.path()));
    EXPECT_EQ(refreshesAfterWaiting(), 1);
}

TEST_F(FolderWatchingTest, ASongChangedElsewhereIsShownAsItIsNowUnlessTheEditorHoldsEdits)
{
    launchWatching();
    const auto song = std::make_shared<Song>(path(QStringLiteral("Rock/first.pro")));
    delegate->setCurrentSong(song);
    // A sync service brings another version, replacing the file.
    shell(QStringLiteral("cd '%1/Rock' && printf '{title: First}\\nnew words' > .sync && mv .sync first.pro")
              .arg(root()));
    ASSERT_EQ(refreshesAfterWaiting(), 1);
    EXPECT_EQ(delegate->currentSong(), song) << "the same object";
    EXPECT_EQ(song->text(), QStringLiteral("{title: First}\nnew words"));
    // Its next directive write keeps the new words.
    ASSERT_TRUE(song->setCapo(2));
    EXPECT_TRUE(TestFiles::readText(song->path()).contains(QStringLiteral("new words")));

    // Edits in the editor are never replaced by a refresh.
    shell(QStringLiteral("printf '{title: First}\\nthird' > '%1'").arg(song->path()));
    song->setText(QStringLiteral("{title: First}\ntyped"));
    songEdit.dirty = true;
    delegate->refresh();
    EXPECT_EQ(song->text(), QStringLiteral("{title: First}\ntyped"));
}

TEST_F(FolderWatchingTest, TheRefreshWaitsForAnOpenQuestion)
{
    launchWatching();
    {
        const ModalGate::Question question;
        delegate->filesChangedAtPath(path(QStringLiteral("Rock/first.pro")));
        QTest::qWait(300);
        EXPECT_EQ(refreshes(), 0) << "not under the question";
    }
    EXPECT_EQ(refreshesAfterWaiting(), 1);
}

TEST_F(FolderWatchingTest, AWriteWithNoUserPresentReadsAnotherProgramsVersionAndAsksNothing)
{
    launchOnFolder();
    const auto song = std::make_shared<Song>(path(QStringLiteral("Rock/first.pro")));
    delegate->setCurrentSong(song);
    // Another program writes while the change is not yet read (the editor held edits, or the refresh waits).
    TestFiles::write(song->path(), "{title: First}\ntheirs");
    EXPECT_FALSE(song->setCapo(2));
    EXPECT_TRUE(dialogs.asked.isEmpty()) << "no question waits for a user on stage";
    EXPECT_EQ(TestFiles::read(song->path()), "{title: First}\ntheirs");
    EXPECT_EQ(song->text(), QStringLiteral("{title: First}\ntheirs"));
}
