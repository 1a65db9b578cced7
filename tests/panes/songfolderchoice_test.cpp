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

TEST(SongFolderChoice, StartsInTheSongFolderElseAnExistingDefaultElseTheDocuments)
{
    QTemporaryDir home;
    const QString existing = home.path();
    const QString missing = QDir(home.path()).filePath(QStringLiteral("Vellorin"));
    EXPECT_EQ(SongFolderChoice::startFolder(QStringLiteral("/songs"), existing, QStringLiteral("/docs")),
              QStringLiteral("/songs"));
    EXPECT_EQ(SongFolderChoice::startFolder(QString(), existing, QStringLiteral("/docs")), existing);
    EXPECT_EQ(SongFolderChoice::startFolder(QString(), missing, QStringLiteral("/docs")), QStringLiteral("/docs"));
}

TEST(SongFolderChoice, KeepsThePathUnderTheBookmarkKey)
{
    SongFolderChoice::store(QStringLiteral("/songs/here"));
    EXPECT_EQ(UserDefaults::value(QStringLiteral("songDirSecurityBookmark")).toString(), QStringLiteral("/songs/here"));
    EXPECT_EQ(SongFolderChoice::stored(), QStringLiteral("/songs/here"));
}
