#include "songfolderchoice.h"

#include "userdefaults.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(SongFolderChoice, AFolderNamedLikeTheDocumentsFolderGetsASubFolder)
{
    struct Case
    {
        const char *chosen;
        const char *songFolder;
    };
    const QString documents = QStringLiteral("/home/u/Documents");
    const Case cases[] = {
        {"/home/u/Documents", "/home/u/Documents/Vellorin"},
        {"/home/u/Documents/", "/home/u/Documents/Vellorin"},
        // Only the names are compared.
        {"/media/stick/Documents", "/media/stick/Documents/Vellorin"},
        {"/home/u/Documents/Songs", "/home/u/Documents/Songs"},
        {"/home/u/documents", "/home/u/documents"},
        {"/home/u/Music", "/home/u/Music"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(SongFolderChoice::songFolderForChoice(QString::fromUtf8(c.chosen), documents),
                  QString::fromUtf8(c.songFolder))
            << c.chosen;
}

TEST(SongFolderChoice, StartsInTheSongFolderElseAnExistingDefaultOrDocumentsFolderElseTheHomeFolder)
{
    QTemporaryDir home;
    const QString existing = home.path();
    const QString missing = QDir(home.path()).filePath(QStringLiteral("Vellorin"));
    const QString docs = QDir(home.path()).filePath(QStringLiteral("Documents"));
    const QString homeFolder = QStringLiteral("/home/u");
    EXPECT_EQ(SongFolderChoice::startFolder(QStringLiteral("/songs"), existing, docs, homeFolder),
              QStringLiteral("/songs"));
    EXPECT_EQ(SongFolderChoice::startFolder(QString(), existing, docs, homeFolder), existing);
    // A home folder without a documents folder: the chooser must open where something can be chosen.
    EXPECT_EQ(SongFolderChoice::startFolder(QString(), missing, docs, homeFolder), homeFolder);
    ASSERT_TRUE(QDir().mkpath(docs));
    EXPECT_EQ(SongFolderChoice::startFolder(QString(), missing, docs, homeFolder), docs);
}

TEST(SongFolderChoice, KeepsThePathUnderTheBookmarkKey)
{
    SongFolderChoice::store(QStringLiteral("/songs/here"));
    EXPECT_EQ(UserDefaults::value(QStringLiteral("songDirSecurityBookmark")).toString(), QStringLiteral("/songs/here"));
    EXPECT_EQ(SongFolderChoice::stored(), QStringLiteral("/songs/here"));
}
