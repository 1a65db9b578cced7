// Moving files to the trash by the bytes of their names, with the notes a file manager reads to put them back.
#include "trash.h"

#include "fakeclock.h"
#include "filename.h"
#include "rawfiles.h"
#include "scopedenv.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace {

// A song folder and a data folder (holding the home trash) side by side in one temporary folder, so both are on
// one file system.
class TrashTest : public ::testing::Test
{
protected:
    QTemporaryDir dir;
    ScopedEnv dataHome{"XDG_DATA_HOME", QFile::encodeName(dir.path()) + "/data"};
    QByteArray root = QFile::encodeName(dir.path());
    QByteArray songs = root + "/Lieder \xe9t\xe9";
    QByteArray trash = root + "/data/Trash";

    void SetUp() override { RawFiles::makeFolder(songs); }
    // The temporary folder spells the names it removes as UTF-8, which misses these.
    void TearDown() override
    {
        RawFiles::removeTree(songs);
        RawFiles::removeTree(root + "/data");
    }

    static QByteArray value(const QByteArray &note, const QByteArray &key)
    {
        for (const QByteArray &line : note.split('\n'))
            if (line.startsWith(key + '='))
                return line.mid(key.size() + 1);
        return {};
    }
};

} // namespace

// Two files of one name that is not UTF-8 go to the trash one after the other: each keeps its bytes, gets a name
// of its own there, and a note that leads back to where it was.
TEST_F(TrashTest, AFileWhoseNameIsNotUtf8GoesToTheHomeTrashWithANoteLeadingBack)
{
    const ScopedEnv zone("TZ", "EST5");
    const FakeClock clock; // 12:00 UTC
    const QByteArray file = songs + "/Caf\xe9 50%.pro";
    for (const QByteArray &text : {QByteArray("first"), QByteArray("second")}) {
        RawFiles::write(file, text);
        QString error;
        ASSERT_TRUE(Trash::moveToTrash(FileName::fromBytes(file), clock, &error)) << qPrintable(error);
        EXPECT_FALSE(RawFiles::exists(file));
    }
    EXPECT_EQ(RawFiles::namesIn(trash), (QList<QByteArray>{"files", "info"}));
    const QList<QByteArray> names{"Caf\xe9 50% 2.pro", "Caf\xe9 50%.pro"};
    ASSERT_EQ(RawFiles::namesIn(trash + "/files"), names);
    EXPECT_EQ(RawFiles::read(trash + "/files/Caf\xe9 50%.pro"), "first");
    EXPECT_EQ(RawFiles::read(trash + "/files/Caf\xe9 50% 2.pro"), "second");
    EXPECT_EQ(RawFiles::namesIn(trash + "/info"),
              (QList<QByteArray>{"Caf\xe9 50% 2.pro.trashinfo", "Caf\xe9 50%.pro.trashinfo"}));
    for (const QByteArray &name : names) {
        SCOPED_TRACE(name.toHex().constData());
        const QByteArray note = RawFiles::read(trash + "/info/" + name + ".trashinfo");
        EXPECT_TRUE(note.startsWith("[Trash Info]\n")) << note.constData();
        const QByteArray path = value(note, "Path");
        EXPECT_TRUE(path.endsWith("/Lieder%20%E9t%E9/Caf%E9%2050%25.pro")) << path.constData();
        EXPECT_EQ(QByteArray::fromPercentEncoding(path), file);
        EXPECT_EQ(value(note, "DeletionDate"), "2024-03-01T07:00:00") << "the local time";
    }
}

// A file lying in the trash without its note is never written over.
TEST_F(TrashTest, AFileInTheTrashWithoutItsNoteKeepsItsName)
{
    RawFiles::makeFolder(root + "/data");
    RawFiles::makeFolder(trash);
    RawFiles::makeFolder(trash + "/files");
    RawFiles::write(trash + "/files/Set.lst", "orphan");
    RawFiles::write(songs + "/Set.lst", "set");
    ASSERT_TRUE(Trash::moveToTrash(FileName::fromBytes(songs + "/Set.lst")));
    EXPECT_EQ(RawFiles::read(trash + "/files/Set.lst"), "orphan");
    EXPECT_EQ(RawFiles::read(trash + "/files/Set 2.lst"), "set");
    EXPECT_EQ(RawFiles::namesIn(trash + "/info"), QList<QByteArray>{"Set 2.lst.trashinfo"});
}

// What cannot go to the trash stays where it was, and the reason is told.
TEST_F(TrashTest, AFileThatCannotGoStaysAndTheReasonIsTold)
{
    RawFiles::makeFolder(root + "/data");
    RawFiles::write(trash, "a file where the trash would be");
    RawFiles::write(songs + "/Caf\xe9.pro", "text");
    QString error;
    EXPECT_FALSE(Trash::moveToTrash(FileName::fromBytes(songs + "/Caf\xe9.pro"), &error));
    EXPECT_TRUE(error.contains(QStringLiteral("Trash"))) << qPrintable(error);
    EXPECT_EQ(RawFiles::read(songs + "/Caf\xe9.pro"), "text");

    ::unlink(trash.constData());
    error.clear();
    EXPECT_FALSE(Trash::moveToTrash(FileName::fromBytes(songs + "/gone.pro"), &error));
    EXPECT_FALSE(error.isEmpty());
}

// On a disk other than the home trash's, the trash at the disk's top is the user's own sub-folder of a shared
// .Trash only when no one but its owner can swap or empty that; else a folder of the user's own beside it.
TEST_F(TrashTest, TheTrashAtTheTopOfADiskIsOnlyASafeSharedOneOrTheUsersOwn)
{
    const QByteArray uid = QByteArray::number(::getuid());
    struct Case
    {
        const char *what;
        mode_t sharedMode; // 0: no shared .Trash
        bool sharedIsLink;
        const char *expected;
    };
    const Case cases[] = {
        {"sticky shared trash", 01777, false, "/.Trash/"},
        {"shared trash anyone may empty", 0777, false, "/.Trash-"},
        {"link to a sticky folder", 01777, true, "/.Trash-"},
        {"no shared trash", 0, false, "/.Trash-"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        const QByteArray top = root + "/disk";
        RawFiles::makeFolder(top);
        if (c.sharedMode != 0) {
            const QByteArray shared = c.sharedIsLink ? root + "/elsewhere" : top + "/.Trash";
            RawFiles::makeFolder(shared);
            ::chmod(shared.constData(), c.sharedMode);
            if (c.sharedIsLink) {
                ASSERT_EQ(::symlink(shared.constData(), (top + "/.Trash").constData()), 0);
            }
        }
        const QString folder = Trash::topFolderTrash(FileName::fromBytes(top));
        EXPECT_EQ(FileName::toBytes(folder), top + c.expected + uid);
        struct stat status;
        ASSERT_EQ(::lstat(FileName::toBytes(folder).constData(), &status), 0);
        EXPECT_TRUE(S_ISDIR(status.st_mode));
        EXPECT_EQ(status.st_mode & 0777, 0700u) << "the user's own trash is private";
        RawFiles::removeTree(top);
        RawFiles::removeTree(root + "/elsewhere");
    }
}
