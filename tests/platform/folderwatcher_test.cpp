// The folder watcher: changes made by other processes in the root and its categories arrive in batches, and the
// watched set follows categories and the root itself.
#include "folderwatcher.h"

#include "logcapture.h"
#include "testfiles.h"

#include <QDir>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using namespace std::chrono_literals;

namespace {

class FolderWatcherTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        root = QDir(temporary.path()).filePath(QStringLiteral("Songs"));
        ASSERT_TRUE(QDir().mkpath(QDir(root).filePath(QStringLiteral("Rock"))));
        ASSERT_TRUE(QDir().mkpath(QDir(root).filePath(QStringLiteral(".hidden"))));
    }

    QString path(const QString &relative) const { return QDir(root).filePath(relative); }

    // Runs a shell command as another process would change the folder.
    static void shell(const QString &command)
    {
        ASSERT_EQ(QProcess::execute(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), command}), 0) << command.toStdString();
    }

    // The paths of every batch delivered within the time, flattened.
    static QStringList waitForPaths(QSignalSpy &spy, const QString &expected)
    {
        QStringList paths;
        (void)QTest::qWaitFor(
            [&] {
                while (!spy.isEmpty())
                    paths += spy.takeFirst().at(0).toStringList();
                return paths.contains(expected);
            },
            3000);
        return paths;
    }

    QTemporaryDir temporary;
    QString root;
};

} // namespace

TEST_F(FolderWatcherTest, WatchesTheRootAndItsCategoriesButNoHiddenFolder)
{
    const FolderWatcher watcher(root, 20ms);
    EXPECT_EQ(watcher.watchedFolders(), (QStringList{root, path(QStringLiteral("Rock"))}));
}

TEST_F(FolderWatcherTest, ChangesWithinTheLatencyArriveAsOneBatch)
{
    FolderWatcher watcher(root, 300ms);
    QSignalSpy batches(&watcher, &FolderWatcher::pathsChanged);
    shell(QStringLiteral("cd '%1' && echo a > Rock/one.pro && echo b > two.pro && echo c >> Rock/one.pro").arg(root));
    ASSERT_TRUE(batches.wait(3000));
    EXPECT_EQ(batches.count(), 1);
    EXPECT_EQ(batches.at(0).at(0).toStringList(),
              (QStringList{path(QStringLiteral("Rock/one.pro")), path(QStringLiteral("two.pro"))}))
        << "each path once, in the order first reported";
}

TEST_F(FolderWatcherTest, AReplaceByRenameAndAnAppendInPlaceAreBothSeen)
{
    const QString song = TestFiles::write(path(QStringLiteral("Rock/song.pro")), "{title: One}\n");
    FolderWatcher watcher(root, 20ms);
    QSignalSpy batches(&watcher, &FolderWatcher::pathsChanged);
    shell(QStringLiteral("cd '%1/Rock' && echo '{title: Two}' > .tmp && mv .tmp song.pro").arg(root));
    EXPECT_TRUE(waitForPaths(batches, song).contains(song));
    QTest::qWait(100);
    batches.clear();
    // A file watch would have been lost with the replaced file; the folder's watch still sees writes in place.
    shell(QStringLiteral("echo more >> '%1'").arg(song));
    EXPECT_TRUE(waitForPaths(batches, song).contains(song));
}

TEST_F(FolderWatcherTest, FollowsCategoriesThatAppearAndTheRootMadeAgain)
{
    FolderWatcher watcher(root, 20ms);
    QSignalSpy batches(&watcher, &FolderWatcher::pathsChanged);
    shell(QStringLiteral("mkdir '%1/Jazz'").arg(root));
    waitForPaths(batches, path(QStringLiteral("Jazz")));
    shell(QStringLiteral("echo x > '%1/Jazz/new.pro'").arg(root));
    EXPECT_TRUE(
        waitForPaths(batches, path(QStringLiteral("Jazz/new.pro"))).contains(path(QStringLiteral("Jazz/new.pro"))));

    shell(QStringLiteral("rm -r '%1'").arg(root));
    EXPECT_TRUE(waitForPaths(batches, root).contains(root));
    shell(QStringLiteral("mkdir -p '%1/Folk'").arg(root));
    waitForPaths(batches, root);
    EXPECT_TRUE(QTest::qWaitFor([&] { return watcher.watchedFolders().size() == 2; }, 3000));
    EXPECT_EQ(watcher.watchedFolders(), (QStringList{root, path(QStringLiteral("Folk"))}));
    shell(QStringLiteral("echo x > '%1/Folk/song.pro'").arg(root));
    EXPECT_TRUE(
        waitForPaths(batches, path(QStringLiteral("Folk/song.pro"))).contains(path(QStringLiteral("Folk/song.pro"))));
}

TEST_F(FolderWatcherTest, AFolderThatCannotBeWatchedIsLogged)
{
    const LogCapture log;
    const FolderWatcher watcher(path(QStringLiteral("missing")), 20ms);
    EXPECT_TRUE(watcher.watchedFolders().isEmpty());
    EXPECT_TRUE(log.hasLineStartingWith(QStringLiteral("Cannot watch %1: ").arg(path(QStringLiteral("missing")))));
}
