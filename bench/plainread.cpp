#include "plainread.h"

#include <QFile>

#include <algorithm>
#include <chrono>

#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

namespace {

constexpr int kTimedPasses = 5;

} // namespace

PlainRead::PlainRead(const QString &folder)
    : m_folder(QFile::encodeName(folder).toStdString())
    , m_buffer(1 << 20)
{}

qint64 PlainRead::readAll()
{
    std::vector<std::string> subfolders;
    qint64 bytes = readFolder(m_folder, &subfolders);
    for (const std::string &subfolder : subfolders)
        bytes += readFolder(subfolder, nullptr);
    return bytes;
}

qint64 PlainRead::readFolder(const std::string &folder, std::vector<std::string> *subfolders)
{
    DIR *listing = ::opendir(folder.c_str());
    if (!listing)
        return 0;
    qint64 bytes = 0;
    while (const dirent *entry = ::readdir(listing)) {
        if (entry->d_name[0] == '.')
            continue;
        if (entry->d_type == DT_DIR) {
            if (subfolders)
                subfolders->push_back(folder + '/' + entry->d_name);
        } else {
            bytes += readFile(folder + '/' + entry->d_name);
        }
    }
    ::closedir(listing);
    return bytes;
}

qint64 PlainRead::readFile(const std::string &path)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return 0;
    qint64 bytes = 0;
    for (ssize_t got; (got = ::read(fd, m_buffer.data(), m_buffer.size())) > 0;)
        bytes += got;
    ::close(fd);
    return bytes;
}

double PlainRead::medianSeconds()
{
    std::vector<double> seconds;
    for (int pass = 0; pass < kTimedPasses; ++pass) {
        const auto start = std::chrono::steady_clock::now();
        readAll();
        seconds.push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    std::nth_element(seconds.begin(), seconds.begin() + kTimedPasses / 2, seconds.end());
    return seconds[kTimedPasses / 2];
}
