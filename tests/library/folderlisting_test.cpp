// The folder listing: which entries it keeps, what counts as a folder, and its order.
#include "folderlisting.h"

#include "filename.h"
#include "logcapture.h"
#include "rawfiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

void touch(const QString &path)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << qPrintable(path);
}

QList<FolderListing::Entry> entriesOf(const QString &folder)
{
    return FolderListing::sortedEntries(folder);
}

QStringList namesOf(const QList<FolderListing::Entry> &entries, bool folders)
{
    QStringList names;
    for (const FolderListing::Entry &entry : entries)
        if (entry.isDir == folders)
            names.append(entry.name);
    return names;
}

} // namespace

// Links count as what they point to; broken links, pipes and hidden entries are left out, as QDir leaves them.
TEST(FolderListingTest, KeepsWhatQDirListsAndTellsFoldersByTarget)
{
    QTemporaryDir temporary;
    const QDir folder(temporary.path());
    touch(folder.filePath(QStringLiteral("b.pro")));
    touch(folder.filePath(QStringLiteral("Café.pro")));
    touch(folder.filePath(QStringLiteral(".hidden.pro")));
    ASSERT_TRUE(folder.mkdir(QStringLiteral("Rock")));
    ASSERT_TRUE(folder.mkdir(QStringLiteral(".Hidden")));
    ASSERT_TRUE(QFile::link(folder.filePath(QStringLiteral("Rock")), folder.filePath(QStringLiteral("LinkedFolder"))));
    ASSERT_TRUE(QFile::link(folder.filePath(QStringLiteral("b.pro")), folder.filePath(QStringLiteral("linked.pro"))));
    ASSERT_TRUE(
        QFile::link(folder.filePath(QStringLiteral("gone.pro")), folder.filePath(QStringLiteral("broken.pro"))));
    ASSERT_EQ(::mkfifo(QFile::encodeName(folder.filePath(QStringLiteral("pipe.pro"))).constData(), 0600), 0);

    const QList<FolderListing::Entry> entries = entriesOf(folder.path());
    EXPECT_EQ(namesOf(entries, false), QStringList({"b.pro", "Café.pro", "linked.pro"}));
    EXPECT_EQ(namesOf(entries, true), QStringList({"LinkedFolder", "Rock"}));
    QStringList all;
    for (const FolderListing::Entry &entry : entries)
        all.append(entry.name);
    QStringList byQDir = folder.entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    std::sort(byQDir.begin(), byQDir.end(),
              [](const QString &a, const QString &b) { return QString::compare(a, b, Qt::CaseInsensitive) < 0; });
    EXPECT_EQ(all, byQDir);
}

// Entries no song can be made of are left out, without reading anything.
TEST(FolderListingTest, LeavesOutLockFilesAndLinksToPipes)
{
    QTemporaryDir temporary;
    const QDir folder(temporary.path());
    touch(folder.filePath(QStringLiteral("song.pro")));
    touch(folder.filePath(QStringLiteral("~$song.pro")));
    touch(folder.filePath(QStringLiteral("~song.pro"))); // only the lock files' own prefix is left out
    ASSERT_EQ(::mkfifo(QFile::encodeName(folder.filePath(QStringLiteral("pipe"))).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link(folder.filePath(QStringLiteral("pipe")), folder.filePath(QStringLiteral("pipe.pro"))));
    ASSERT_TRUE(folder.mkdir(QStringLiteral("R\u00f6ck")));

    LogCapture log;
    const QList<FolderListing::Entry> entries = entriesOf(folder.path());
    EXPECT_EQ(namesOf(entries, false), QStringList({"song.pro", "~song.pro"}));
    EXPECT_EQ(namesOf(entries, true), QStringList({"R\u00f6ck"}));
    EXPECT_EQ(log.lines(), QStringList());
}

// A name that is not UTF-8, of a file or a folder, is listed under a name that leads back to its bytes.
TEST(FolderListingTest, ListsNamesThatAreNotUtf8UnderTheirOwnBytes)
{
    QTemporaryDir temporary;
    const QByteArray folder = QFile::encodeName(temporary.path());
    for (const char *name : {"caf\xe9.pro", "\x80\xff.pro", "S\xc3\xa4nger.pro"})
        RawFiles::write(folder + '/' + name, {});
    RawFiles::makeFolder(folder + "/Lieder \xe9t\xe9");

    LogCapture log;
    const QList<FolderListing::Entry> entries =
        FolderListing::sortedEntries(temporary.path(), FolderListing::Stamps::With);
    QList<QByteArray> files;
    QList<QByteArray> folders;
    for (const FolderListing::Entry &entry : entries) {
        EXPECT_EQ(entry.stamp.exists(), !entry.isDir) << qPrintable(FileName::displayName(entry.name));
        (entry.isDir ? folders : files).append(FileName::toBytes(entry.name));
    }
    std::sort(files.begin(), files.end());
    EXPECT_EQ(files, QList<QByteArray>({"S\xc3\xa4nger.pro", "caf\xe9.pro", "\x80\xff.pro"}));
    EXPECT_EQ(folders, QList<QByteArray>({"Lieder \xe9t\xe9"}));
    EXPECT_EQ(log.lines(), QStringList());
    RawFiles::removeTree(folder + "/Lieder \xe9t\xe9");
}

TEST(FolderListingTest, SortsIgnoringCaseThenByCharacters)
{
    QTemporaryDir temporary;
    const QDir folder(temporary.path());
    for (const char *name : {"b.pro", "B.pro", "a.pro", "C.pro"})
        touch(folder.filePath(QString::fromUtf8(name)));
    EXPECT_EQ(namesOf(entriesOf(folder.path()), false), QStringList({"a.pro", "B.pro", "b.pro", "C.pro"}));
}

TEST(FolderListingTest, AFolderThatCannotBeListedHasNoEntries)
{
    QTemporaryDir temporary;
    EXPECT_TRUE(entriesOf(QDir(temporary.path()).filePath(QStringLiteral("missing"))).isEmpty());
}

TEST(FolderListingTest, TakesTheStampsOfFilesWhenAsked)
{
    QTemporaryDir temporary;
    const QDir folder(temporary.path());
    touch(folder.filePath(QStringLiteral("a.pro")));
    ASSERT_TRUE(QFile::link(folder.filePath(QStringLiteral("a.pro")), folder.filePath(QStringLiteral("b.pro"))));
    ASSERT_TRUE(folder.mkdir(QStringLiteral("Rock")));
    const FileStamp file = FileStamp::of(folder.filePath(QStringLiteral("a.pro")));
    ASSERT_TRUE(file.exists());

    const QList<FolderListing::Entry> stamped =
        FolderListing::sortedEntries(folder.path(), FolderListing::Stamps::With);
    ASSERT_EQ(stamped.size(), 3);
    EXPECT_EQ(stamped[0].stamp, file);
    EXPECT_EQ(stamped[1].stamp, file) << "a link has the stamp of the file it points to";
    EXPECT_FALSE(stamped[2].stamp.exists()) << "folders have none";
    for (const FolderListing::Entry &entry : entriesOf(folder.path()))
        EXPECT_FALSE(entry.stamp.exists()) << qPrintable(entry.name);
}
