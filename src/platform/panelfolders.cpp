#include "panelfolders.h"

#include "paths.h"
#include "userdefaults.h"

#include <QFileInfo>

namespace {

QString key(const QString &kind)
{
    return QStringLiteral("panelFolder.") + kind;
}

bool isFolder(const QString &path)
{
    return !path.isEmpty() && QFileInfo(path).isDir();
}

} // namespace

QString PanelFolders::start(const QString &kind)
{
    const QString last = UserDefaults::value(key(kind)).toString();
    if (isFolder(last))
        return last;
    const QString documents = Paths::documentsDirectory();
    return isFolder(documents) ? documents : Paths::homeDirectory();
}

void PanelFolders::remember(const QString &kind, const QString &folder)
{
    if (isFolder(folder))
        UserDefaults::setValue(key(kind), QFileInfo(folder).absoluteFilePath());
}
