// Listing a folder with the entry types the listing itself carries, looking an entry up on its own only when
// it is a link or its file system gives no type.
#include "folderlisting.h"

#include "filename.h"

#include <algorithm>
#include <optional>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

namespace {

// Whether a listed entry is a folder; nothing for an entry the library never lists: a broken link, and
// anything that is neither file, folder nor link (pipes, sockets, devices). A link counts as what it points
// to.
std::optional<bool> listedAsFolder(int folderFd, const dirent &entry)
{
    unsigned char type = entry.d_type;
    if (type == DT_UNKNOWN) {
        struct stat status;
        if (::fstatat(folderFd, entry.d_name, &status, AT_SYMLINK_NOFOLLOW) != 0)
            return std::nullopt;
        type = IFTODT(status.st_mode);
    }
    if (type == DT_REG || type == DT_DIR)
        return type == DT_DIR;
    if (type != DT_LNK)
        return std::nullopt;
    struct stat target;
    if (::fstatat(folderFd, entry.d_name, &target, 0) != 0 || !(S_ISREG(target.st_mode) || S_ISDIR(target.st_mode)))
        return std::nullopt;
    return S_ISDIR(target.st_mode);
}

// An entry's name, which leads back to its own bytes whatever they are. Most names are ASCII, which decode
// without the general decoder's cost for each of thousands of names.
QString decodedName(const char *name)
{
    const QByteArrayView bytes(name);
    const bool ascii =
        std::all_of(bytes.begin(), bytes.end(), [](char byte) { return static_cast<unsigned char>(byte) < 0x80; });
    return ascii ? QString::fromLatin1(bytes) : FileName::fromBytes(bytes);
}

} // namespace

QList<FolderListing::Entry> FolderListing::sortedEntries(const QString &folder, Stamps stamps)
{
    QList<Entry> entries;
    DIR *listing = ::opendir(FileName::toBytes(folder).constData());
    if (!listing)
        return entries;
    while (const dirent *entry = ::readdir(listing)) {
        if (entry->d_name[0] == '.')
            continue; // hidden, and the folder itself and its parent
        if (entry->d_name[0] == '~' && entry->d_name[1] == '$')
            continue; // an office editor's lock file beside the file it has open
        const std::optional<bool> isDir = listedAsFolder(::dirfd(listing), *entry);
        if (!isDir)
            continue;
        const QString name = decodedName(entry->d_name);
        const bool withStamp = stamps == Stamps::With && !*isDir;
        entries.append({name, *isDir, withStamp ? FileStamp::at(::dirfd(listing), entry->d_name) : FileStamp()});
    }
    ::closedir(listing);
    std::sort(entries.begin(), entries.end(), [](const Entry &a, const Entry &b) {
        const int order = QString::compare(a.name, b.name, Qt::CaseInsensitive);
        return order != 0 ? order < 0 : a.name < b.name;
    });
    return entries;
}
