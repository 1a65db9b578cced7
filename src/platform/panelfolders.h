// Where the panels for saving and choosing folders open: the folder the user last chose for that kind of file,
// kept in the user defaults, so that exports go where the user keeps them and never into the program's own
// working folder.
#pragma once

#include <QString>

class PanelFolders
{
public:
    // The folder last chosen for this kind of file ("rtf", "html" …) while it still exists; else the documents
    // folder when there is one; else the home folder.
    static QString start(const QString &kind);
    // Remembers the folder for the next panel of that kind.
    static void remember(const QString &kind, const QString &folder);
};
