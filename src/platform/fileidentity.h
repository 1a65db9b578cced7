// Whether two paths name one file on disk, however they are spelled.
#pragma once

#include <QString>

class FileIdentity
{
public:
    // True when both paths lead to the same existing file or folder: through "..", links, or a name whose case
    // differs where the file system ignores case ("set.lst" and "Set.lst"). False when either does not exist.
    static bool isSameFile(const QString &a, const QString &b);
};
