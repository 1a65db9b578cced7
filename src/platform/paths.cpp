// The program's own folders and the user's standard folders, as the desktop names them.
#include "paths.h"

#include "log.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QString Paths::supportDirectory()
{
    const QString path =
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/vellorin");
    if (!QDir().mkpath(path))
        Log::write(QStringLiteral("Could not create %1").arg(path));
    return path;
}

QString Paths::documentsDirectory()
{
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

QString Paths::homeDirectory()
{
    return QDir::homePath();
}

QString Paths::desktopDirectory()
{
    const QString desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    return QFileInfo(desktop).isDir() ? desktop : homeDirectory();
}
