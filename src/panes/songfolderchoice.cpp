#include "songfolderchoice.h"

#include "userdefaults.h"

#include <QDir>
#include <QFileInfo>

const QString SongFolderChoice::storageKey = QStringLiteral("songDirSecurityBookmark");

QString SongFolderChoice::songFolderForChoice(const QString &chosenFolder, const QString &documentsFolder)
{
    // Only the names count: "/a/b/" and "/a/b" name the same folder b.
    const QString chosen = QDir::cleanPath(chosenFolder);
    if (QFileInfo(chosen).fileName() == QFileInfo(QDir::cleanPath(documentsFolder)).fileName())
        return QDir(chosen).filePath(QStringLiteral("Vellorin"));
    return chosen;
}

QString SongFolderChoice::startFolder(const QString &songFolder, const QString &defaultSongFolder,
                                      const QString &documentsFolder, const QString &homeFolder)
{
    if (!songFolder.isEmpty())
        return songFolder;
    if (QFileInfo(defaultSongFolder).isDir())
        return defaultSongFolder;
    // A chooser opened on a missing folder lets nothing be chosen until a path is typed.
    if (QFileInfo(documentsFolder).isDir())
        return documentsFolder;
    return homeFolder;
}

void SongFolderChoice::store(const QString &songFolder)
{
    UserDefaults::setValue(storageKey, songFolder);
}

QString SongFolderChoice::stored()
{
    return UserDefaults::value(storageKey).toString();
}
