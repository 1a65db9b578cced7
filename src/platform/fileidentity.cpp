// One file on disk under two paths.
#include "fileidentity.h"

#include "filename.h"

#include <filesystem>

bool FileIdentity::isSameFile(const QString &a, const QString &b)
{
    // The file system compares what the paths lead to (device and inode), so no spelling of a name can
    // hide that it is the same file, as comparing canonical paths would where names ignore case.
    std::error_code error;
    return std::filesystem::equivalent(FileName::toBytes(a).toStdString(), FileName::toBytes(b).toStdString(), error);
}
