// Opening, making, listing and moving files by the bytes of their names.
#include "filepath.h"

#include "filename.h"
#include "rawfiles.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// The path of a name under the folder, as the library spells it.
QString pathOf(const QByteArray &bytes)
{
    return FileName::fromBytes(bytes);
}

} // namespace

TEST(FilePath, MakesOpensAndListsWhateverBytesTheNamesHold)
{
    QTemporaryDir dir;
    const QByteArray root = QFile::encodeName(dir.path());
    const QByteArray deep = root + "/Lieder \xe9t\xe9/\x80\xff/Caf\xc3\xa9";
    QString error;
    ASSERT_TRUE(FilePath::makeFolders(pathOf(deep), &error)) << qPrintable(error);
    EXPECT_TRUE(FilePath::makeFolders(pathOf(deep))) << "a folder already there is fine";
    EXPECT_EQ(RawFiles::namesIn(root), QList<QByteArray>({"Lieder \xe9t\xe9"}));
    EXPECT_EQ(RawFiles::namesIn(root + "/Lieder \xe9t\xe9"), QList<QByteArray>({"\x80\xff"}));

    RawFiles::write(deep + "/s\xe9.pro", "bytes");
    RawFiles::write(deep + "/.hidden", "");
    EXPECT_FALSE(FilePath::makeFolders(pathOf(deep + "/s\xe9.pro/below"), &error)) << "a file is in the way";
    EXPECT_FALSE(error.isEmpty());
    QStringList names = FilePath::entryNames(pathOf(deep));
    names.sort();
    EXPECT_EQ(names, QStringList({QStringLiteral(".hidden"), pathOf("s\xe9.pro")}));

    QFile file;
    ASSERT_TRUE(FilePath::openForReading(pathOf(deep + "/s\xe9.pro"), file, &error)) << qPrintable(error);
    EXPECT_EQ(file.readAll(), "bytes");
    EXPECT_TRUE(FilePath::isFile(pathOf(deep + "/s\xe9.pro")));
    EXPECT_FALSE(FilePath::isFile(pathOf(deep)));
    EXPECT_TRUE(FilePath::isReadable(pathOf(deep)));
    QFile missing;
    EXPECT_FALSE(FilePath::openForReading(pathOf(deep + "/none.pro"), missing, &error));
    EXPECT_FALSE(error.isEmpty());
    RawFiles::removeTree(root + "/Lieder \xe9t\xe9");
}

// A move never replaces a file, whatever the names; what could not move stays where it was.
TEST(FilePath, MovesByTheBytesAndNeverOverAnotherFile)
{
    QTemporaryDir dir;
    const QByteArray root = QFile::encodeName(dir.path());
    RawFiles::makeFolder(root + "/Lieder \xe9t\xe9");
    RawFiles::makeFolder(root + "/Rock");
    struct Case
    {
        const char *what;
        QByteArray from;
        QByteArray to;
        QByteArray taken; // bytes already at the destination; empty when it is free
        bool moves;
    };
    const Case cases[] = {
        {"into a folder not UTF-8", "/Rock/a.pdf", "/Lieder \xe9t\xe9/a.pdf", {}, true},
        {"out of it", "/Lieder \xe9t\xe9/b\xe9.pdf", "/Rock/b\xe9.pdf", {}, true},
        {"onto a file", "/Rock/c.pdf", "/Lieder \xe9t\xe9/c.pdf", "other", false},
        {"from nowhere", "/Rock/none.pdf", "/Lieder \xe9t\xe9/none.pdf", {}, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        const bool exists = qstrcmp(c.what, "from nowhere") != 0;
        if (exists)
            RawFiles::write(root + c.from, "%PDF");
        if (!c.taken.isEmpty())
            RawFiles::write(root + c.to, c.taken);
        QString error;
        EXPECT_EQ(FilePath::move(pathOf(root + c.from), pathOf(root + c.to), &error), c.moves);
        EXPECT_EQ(error.isEmpty(), c.moves) << qPrintable(error);
        EXPECT_EQ(RawFiles::exists(root + c.from), exists && !c.moves);
        EXPECT_EQ(RawFiles::read(root + c.to), c.moves ? QByteArray("%PDF") : c.taken);
    }
    RawFiles::removeTree(root + "/Lieder \xe9t\xe9");
}
