// Files with names of any bytes for test fixtures.
#include "rawfiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

void RawFiles::write(const QByteArray &path, const QByteArray &bytes, mode_t mode)
{
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC, mode);
    ASSERT_GE(fd, 0) << path.toHex().constData();
    EXPECT_EQ(::write(fd, bytes.constData(), bytes.size()), bytes.size());
    ::close(fd);
    ::chmod(path.constData(), mode);
}

QByteArray RawFiles::read(const QByteArray &path)
{
    QByteArray bytes;
    const int fd = ::open(path.constData(), O_RDONLY);
    if (fd < 0)
        return bytes;
    char piece[4096];
    ssize_t got;
    while ((got = ::read(fd, piece, sizeof piece)) > 0)
        bytes.append(piece, got);
    ::close(fd);
    return bytes;
}

void RawFiles::makeFolder(const QByteArray &path)
{
    ASSERT_EQ(::mkdir(path.constData(), 0755), 0) << path.toHex().constData();
}

bool RawFiles::exists(const QByteArray &path)
{
    struct stat status;
    return ::lstat(path.constData(), &status) == 0;
}

QList<QByteArray> RawFiles::namesIn(const QByteArray &folder)
{
    QList<QByteArray> names;
    DIR *listing = ::opendir(folder.constData());
    while (const dirent *entry = listing ? ::readdir(listing) : nullptr)
        if (qstrcmp(entry->d_name, ".") != 0 && qstrcmp(entry->d_name, "..") != 0)
            names.append(entry->d_name);
    if (listing)
        ::closedir(listing);
    std::sort(names.begin(), names.end());
    return names;
}

void RawFiles::removeTree(const QByteArray &path)
{
    std::error_code error;
    std::filesystem::remove_all(std::string(path.constData(), path.size()), error);
}
